<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BmpCodec</name>
    <message>
        <source>The BMP file could not be written</source>
        <translation>Die BMP-Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file</source>
        <translation>Das Bild ist zu groß für eine BMP-Datei</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Nicht genügend Speicher für das codierte Bild</translation>
    </message>
</context>
<context>
    <name>ClipAmount</name>
    <message>
        <source>None of the image is clipped</source>
        <translation>Vom Bild wird nichts abgeschnitten</translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation>Der Drucker schneidet</translation>
    </message>
    <message>
        <source>of image</source>
        <translation>vom Bild ab</translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation>Sichtbar: alle 4 Linien</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Sichtbar:</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>Linien</translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation>Sichtbar: keine Linie</translation>
    </message>
</context>
<context>
    <name>CmykConverter</name>
    <message>
        <source>The image&apos;s CMYK colour profile cannot be used.</source>
        <translation>Das CMYK-Farbprofil des Bildes kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Nicht genügend Speicher, um das Bild zu laden (%1 x %2 Pixel).</translation>
    </message>
</context>
<context>
    <name>EdgeTestTargetTexts</name>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation>Die eingegebene benutzerdefinierte Druckgröße ist ungültig.  Höhe und Breite müssen beide zwischen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation>Zoll liegen.  Bitte geben Sie gültige Werte im Bereich</translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation>des Hauptfensters ein</translation>
    </message>
    <message>
        <source>A</source>
        <translation>Jetzt wird ein</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hohes</translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation>breites Testbild erstellt</translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation>Das Testbild erhält an jedem Rand 4 farbige Streifen.  Jeder Streifen ist</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>breit</translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation>Um zu testen, wie viel Ihr Drucker an jedem Rand abschneidet, gehen Sie bitte wie folgt vor</translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation>Speichern Sie das Bild auf Ihrer Festplatte, wenn Sie dazu aufgefordert werden</translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation>Drucken Sie das Bild auf Ihrem Drucker aus</translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation>Zählen Sie, wie viele der 4 farbigen Streifen an jedem Rand Ihres Ausdrucks sichtbar sind, und geben Sie diese Angaben unten in diesem Dialogfenster ein.</translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation>Klicken Sie auf „OK“, um fortzufahren, oder auf „Abbrechen“, um abzubrechen</translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation>Testbild erstellen</translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation>Fehler beim Speichern des Bildes auf dem Datenträger</translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation>Fehler beim Beschriften des Rand-Testdrucks</translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation>Das Bild wurde erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation>Als Nächstes</translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation>Drucken Sie dieses Bild</translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation>mit demselben Drucker, demselben Papier und denselben Druckereinstellungen, die Sie</translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation>auch für den Druck Ihrer Posterbilder verwenden werden</translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation>Zählen Sie an jedem Rand des entstandenen Testdrucks die sichtbaren Streifen.</translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation>Vergewissern Sie sich, dass das Randkalibrierungsprofil ausgewählt ist, das Sie ändern möchten.</translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation>Geben Sie mit den vier Auswahllisten unten an, wie viele Streifen an jedem Rand Ihres Ausdrucks sichtbar sind (daraus ermittelt die Software, wie viel Ihr Drucker an jedem Rand Ihrer Ausdrucke abschneidet).</translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation>Ungültige Druckmaße</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation>Erstellung des Testbilds abgebrochen</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation>Ungültiger Bilddateiname.  Das Bild muss als BMP-, TIF- oder JPG-Datei gespeichert werden</translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation>Ungültiger Dateityp</translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation>Testbild erstellt</translation>
    </message>
    <message>
        <source>Invalid test image size</source>
        <translation>Ungültige Testbildgröße</translation>
    </message>
    <message>
        <source>No pixels to draw the stripes on</source>
        <translation>Keine Pixel, auf die die Streifen gezeichnet werden können</translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation>Testbild speichern</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>PNG and WebP Files (*.png, *.webp)</source>
        <translation>PNG- und WebP-Dateien (*.png, *.webp)</translation>
    </message>
    <message>
        <source>All Supported Images (%1)</source>
        <translation>Alle unterstützten Bilder (%1)</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Ungültiges Laufwerk</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>Auf das gewählte Laufwerk kann nicht zugegriffen werden.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Could not determine the location of the %1 folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>Der Speicherort des Ordners „%1“ konnte nicht ermittelt werden.  Bitte wechseln Sie mit der Ordnerliste unten von Hand dorthin.</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>es ist eine benannte Pipe (FIFO), keine normale Datei</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es ist ein Gerät, keine normale Datei</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es ist ein Socket, keine normale Datei</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>es ist kein Ordner</translation>
    </message>
    <message>
        <source>a link of that name cannot be removed (%1)</source>
        <translation>ein symbolischer Link mit diesem Namen kann nicht entfernt werden (%1)</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>Bitmap (.bmp)</source>
        <translation>Bitmap (.bmp)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Tiff (.tif)</source>
        <translation>TIFF (.tif)</translation>
    </message>
    <message>
        <source>Tiff (*.tif)</source>
        <translation>TIFF (*.tif)</translation>
    </message>
    <message>
        <source>Jpeg (.jpg)</source>
        <translation>JPEG (.jpg)</translation>
    </message>
    <message>
        <source>Jpeg (*.jpg)</source>
        <translation>JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Pdf (.pdf)</source>
        <translation>PDF (.pdf)</translation>
    </message>
    <message>
        <source>Pdf (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source> Help</source>
        <translation> – Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
</context>
<context>
    <name>ImageFileReader</name>
    <message>
        <source>No decoder for this file&apos;s images is installed (libheif: %1).</source>
        <translation>Für die Bilder dieser Datei ist kein Decoder installiert (libheif: %1).</translation>
    </message>
    <message>
        <source>The image is too large for the HEIF decoder (%1).</source>
        <translation>Das Bild ist zu groß für den HEIF-Decoder (%1).</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete: %1.</source>
        <translation>Das Bild ist beschädigt oder unvollständig: %1.</translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation>Nicht genügend Speicher, um die Datei zu lesen.</translation>
    </message>
    <message>
        <source>No decoder for %1 images is installed.</source>
        <translation>Für %1-Bilder ist kein Decoder installiert.</translation>
    </message>
    <message>
        <source>The image is damaged: it decodes to no pixels.</source>
        <translation>Das Bild ist beschädigt: Die Decodierung ergibt keine Pixel.</translation>
    </message>
    <message>
        <source>Not enough memory to turn the image upright</source>
        <translation>Nicht genügend Speicher, um das Bild aufzurichten</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model, which Tessellon converts for JPEG files only. Convert it to RGB in an image editor first.</source>
        <translation>Das Bild verwendet das CMYK-Farbmodell, das Tessellon nur bei JPEG-Dateien umwandelt. Wandeln Sie es zuerst in einem Bildbearbeitungsprogramm in RGB um.</translation>
    </message>
    <message>
        <source>The image is damaged: its colour table (palette) is missing.</source>
        <translation>Das Bild ist beschädigt: Seine Farbtabelle (Palette) fehlt.</translation>
    </message>
    <message>
        <source>This is a folder, not an image file.</source>
        <translation>Dies ist ein Ordner, keine Bilddatei.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Die Datei existiert nicht.</translation>
    </message>
    <message>
        <source>Its name holds bytes that are not UTF-8 text, so it cannot be named exactly; rename the file.</source>
        <translation>Ihr Name enthält Bytes, die kein UTF-8-Text sind, daher lässt sie sich nicht exakt benennen; benennen Sie die Datei um.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Die Datei konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>The file is too large for this computer&apos;s memory (%1 MB; Tessellon uses at most %2 MB for one image).</source>
        <translation>Die Datei ist zu groß für den Arbeitsspeicher dieses Computers (%1 MB; Tessellon verwendet für ein Bild höchstens %2 MB).</translation>
    </message>
    <message>
        <source>The file became shorter while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Die Datei wurde während des Lesens kürzer (vielleicht wird sie noch geschrieben oder kopiert). Versuchen Sie es erneut, wenn sie vollständig ist.</translation>
    </message>
    <message>
        <source>The file changed while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Die Datei hat sich während des Lesens geändert (vielleicht wird sie noch geschrieben oder kopiert). Versuchen Sie es erneut, wenn sie vollständig ist.</translation>
    </message>
    <message>
        <source>This is not an image file that Tessellon can open (%1).</source>
        <translation>Dies ist keine Bilddatei, die Tessellon öffnen kann (%1).</translation>
    </message>
    <message>
        <source> or </source>
        <translation> oder </translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name has no extension.</source>
        <translation>Die Datei enthält ein %1-Bild, aber ihr Name hat keine Endung.</translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name ends in &quot;.%2&quot;.</source>
        <translation>Die Datei enthält ein %1-Bild, aber ihr Name endet auf „.%2“.</translation>
    </message>
    <message>
        <source>Rename it to end in %1.</source>
        <translation>Benennen Sie sie so um, dass der Name auf %1 endet.</translation>
    </message>
    <message>
        <source>The image is damaged: its header gives no picture size.</source>
        <translation>Das Bild ist beschädigt: Sein Header enthält keine Bildgröße.</translation>
    </message>
    <message>
        <source>The image is too large for this computer&apos;s memory: %1 x %2 pixels need %3 MB, and Tessellon uses at most %4 MB for one image.</source>
        <translation>Das Bild ist zu groß für den Arbeitsspeicher dieses Computers: %1 x %2 Pixel benötigen %3 MB, Tessellon verwendet für ein Bild aber höchstens %4 MB.</translation>
    </message>
    <message>
        <source>The image is damaged: the file is far too small (%1 KB) for the %2 x %3 pixels it claims.</source>
        <translation>Das Bild ist beschädigt: Die Datei ist viel zu klein (%1 KB) für die angegebenen %2 x %3 Pixel.</translation>
    </message>
    <message>
        <source>The image is damaged: part of the BMP file&apos;s pixel data is missing.</source>
        <translation>Das Bild ist beschädigt: Ein Teil der Pixeldaten der BMP-Datei fehlt.</translation>
    </message>
    <message>
        <source>The image is damaged: the BMP file&apos;s colour masks are not valid.</source>
        <translation>Das Bild ist beschädigt: Die Farbmasken der BMP-Datei sind ungültig.</translation>
    </message>
    <message>
        <source>The image is damaged: a run of the BMP file&apos;s pixels goes past the end of its row.</source>
        <translation>Das Bild ist beschädigt: Eine Pixelfolge der BMP-Datei reicht über das Ende ihrer Zeile hinaus.</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started.</source>
        <translation>Der JPEG-Decoder konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read (%1).</source>
        <translation>Das Bild ist beschädigt: Sein Header kann nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model without a CMYK colour profile to convert it by. Convert it to RGB in an image editor first.</source>
        <translation>Das Bild verwendet das CMYK-Farbmodell, aber kein CMYK-Farbprofil, mit dem es sich umwandeln ließe. Wandeln Sie es zuerst in einem Bildbearbeitungsprogramm in RGB um.</translation>
    </message>
    <message>
        <source>The image is damaged, or no decoder for %1 images is installed</source>
        <translation>Das Bild ist beschädigt, oder für %1-Bilder ist kein Decoder installiert</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read</source>
        <translation>Das Bild ist beschädigt: Sein Header kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>This image cannot be decoded at a reduced size.</source>
        <translation>Dieses Bild kann nicht in verkleinerter Größe decodiert werden.</translation>
    </message>
    <message>
        <source>Only the header of the file was read.</source>
        <translation>Es wurde nur der Header der Datei gelesen.</translation>
    </message>
    <message>
        <source>The decode was stopped</source>
        <translation>Die Decodierung wurde abgebrochen</translation>
    </message>
    <message>
        <source>The image is damaged: its pixels do not match its size.</source>
        <translation>Das Bild ist beschädigt: Seine Pixel passen nicht zu seiner Größe.</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete</source>
        <translation>Das Bild ist beschädigt oder unvollständig</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Nicht genügend Speicher, um das Bild zu laden (%1 x %2 Pixel).</translation>
    </message>
</context>
<context>
    <name>ImageLoader</name>
    <message>
        <source>Invalid Image File Selected</source>
        <translation>Ungültige Bilddatei ausgewählt</translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation>Das ausgewählte Bild ist EXTREM klein.  Seine Höhe und/oder Breite liegt unter der zulässigen Mindestgröße von </translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation> Pixeln.  Bitte wählen Sie ein größeres Bild aus.  </translation>
    </message>
</context>
<context>
    <name>ImageObject</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Die Datei konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Die Datei konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The file could not be completed: %1</source>
        <translation>Die Datei konnte nicht fertiggestellt werden: %1</translation>
    </message>
    <message>
        <source>Text can only be drawn by the graphical application</source>
        <translation>Text kann nur von der grafischen Anwendung gezeichnet werden</translation>
    </message>
    <message>
        <source>Invalid font size %1</source>
        <translation>Ungültige Schriftgröße %1</translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation>Das Pixel-Array ist leer</translation>
    </message>
    <message>
        <source>An image of %1 x %2 pixels cannot be created</source>
        <translation>Ein Bild mit %1 x %2 Pixeln kann nicht erstellt werden</translation>
    </message>
    <message>
        <source>There is no image to resample</source>
        <translation>Kein Bild zum Skalieren vorhanden</translation>
    </message>
    <message>
        <source>Invalid image size %1 x %2</source>
        <translation>Ungültige Bildgröße %1 x %2</translation>
    </message>
    <message>
        <source>Not enough memory to resample the image</source>
        <translation>Nicht genügend Speicher, um das Bild zu skalieren</translation>
    </message>
    <message>
        <source>There is no image to rotate</source>
        <translation>Kein Bild zum Drehen vorhanden</translation>
    </message>
    <message>
        <source>Invalid rotation angle %1</source>
        <translation>Ungültiger Drehwinkel %1</translation>
    </message>
    <message>
        <source>Not enough memory to rotate the image</source>
        <translation>Nicht genügend Speicher, um das Bild zu drehen</translation>
    </message>
    <message>
        <source>Invalid resolution %1</source>
        <translation>Ungültige Auflösung %1</translation>
    </message>
    <message>
        <source>Unknown image attribute</source>
        <translation>Unbekanntes Bildattribut</translation>
    </message>
    <message>
        <source>There is no image to save</source>
        <translation>Kein Bild zum Speichern vorhanden</translation>
    </message>
    <message>
        <source>%1 is not an image file format</source>
        <translation>%1 ist kein Bilddateiformat</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Nicht genügend Speicher für das codierte Bild</translation>
    </message>
    <message>
        <source>The image could not be encoded: %1</source>
        <translation>Das Bild konnte nicht codiert werden: %1</translation>
    </message>
    <message>
        <source>There is no image to draw on</source>
        <translation>Kein Bild zum Zeichnen vorhanden</translation>
    </message>
    <message>
        <source>The image cannot be drawn on</source>
        <translation>Auf dieses Bild kann nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation>Fehler beim Initialisieren des Bildobjekts.  Der Vorgang kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>The file is not a JPEG image</source>
        <translation>Die Datei ist kein JPEG-Bild</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started</source>
        <translation>Der JPEG-Decoder konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The JPEG header is damaged: %1</source>
        <translation>Der JPEG-Header ist beschädigt: %1</translation>
    </message>
    <message>
        <source>CMYK JPEG images are not supported by this decoder</source>
        <translation>CMYK-JPEG-Bilder werden von diesem Decoder nicht unterstützt</translation>
    </message>
    <message>
        <source>The image is too large to load (%1 x %2 pixels)</source>
        <translation>Das Bild ist zu groß zum Laden (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels)</source>
        <translation>Nicht genügend Speicher, um das Bild zu laden (%1 x %2 Pixel)</translation>
    </message>
    <message>
        <source>The JPEG image is damaged or incomplete: %1</source>
        <translation>Das JPEG-Bild ist beschädigt oder unvollständig: %1</translation>
    </message>
    <message>
        <source>Not enough memory to load the image</source>
        <translation>Nicht genügend Speicher, um das Bild zu laden</translation>
    </message>
    <message>
        <source>There is no image to encode</source>
        <translation>Kein Bild zum Codieren vorhanden</translation>
    </message>
    <message>
        <source>The JPEG encoder could not be started</source>
        <translation>Der JPEG-Encoder konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The image is too large to encode</source>
        <translation>Das Bild ist zu groß zum Codieren</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Nicht genügend Speicher für das codierte Bild</translation>
    </message>
    <message>
        <source>JPEG encoding failed: %1</source>
        <translation>JPEG-Codierung fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>PaperDialogTexts</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation>Druckgröße der Kacheln festlegen</translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation>(1) Einheit wählen</translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation>(2) Papierformat wählen</translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation>Papierformat wählen (oder „Benutzerdefiniert“)</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation>Gesamte Papierbreite (einschließlich Ränder)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation>Gesamte Papierhöhe (einschließlich Ränder)</translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation>(3) Randgrößen für den Druck wählen</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Oberer Rand:</translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation>Rechter Rand:</translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation>Unterer Rand:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Linker Rand:</translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation>Oberen Rand auswählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation>Rechten Rand auswählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation>Unteren Rand auswählen oder eingeben</translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation>Linken Rand auswählen oder eingeben</translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation>Links=Rechts, Oben=Unten</translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation>Linken und rechten sowie oberen und unteren Rand gleich groß halten</translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation>Randlos einstellen (keine Ränder)</translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation>Alle Ränder auf null setzen (für randlosen Druck)</translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation>Standardränder wiederherstellen</translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation>Ränder auf die Standardwerte des gewählten Papierformats zurücksetzen</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Druckerränder</translation>
    </message>
    <message>
        <source>Set the margins to what the printer &quot;%1&quot; cannot print at the edges of this paper</source>
        <translation>Ränder auf den Bereich setzen, den der Drucker „%1“ an den Kanten dieses Papiers nicht bedrucken kann</translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation>(4) Ergebnis:</translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation>Größe VOR Abzug der Ränder:</translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation>Dies ist die volle Papiergröße einschließlich der Ränder</translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation>Größe NACH Abzug der Ränder:</translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation>Dies ist die Größe der Posterkacheln (die Druckgröße NACH Abzug der Ränder)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation>Aktuelle Druck- und Randwerte übernehmen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation>Aktuelle Druck- und Randwerte übernehmen und zum Hauptfenster zurückkehren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation>Aktuelle Druck- und Randwerte verwerfen</translation>
    </message>
</context>
<context>
    <name>PaperModel</name>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Letter</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Leinwand</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Benutzerdefiniert</translation>
    </message>
    <message>
        <source> (inches)</source>
        <translation> (Zoll)</translation>
    </message>
    <message>
        <source> (mm)</source>
        <translation> (mm)</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>(Margin sizes in MILLIMETERS)</source>
        <translation>(Randgrößen in MILLIMETERN)</translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation>(Randgrößen in ZOLL)</translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation>Ungültige Werte eingegeben</translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation>Ungültige Papierbreite oder -höhe</translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation>Ungültiges Papierformat – zu klein.  Die Mindestgröße beträgt</translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation>Sie haben ungültige Werte für die Druckränder eingegeben.</translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation>Ungültiger Randwert – darf nicht kleiner als null sein</translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation>Ungültiger linker/rechter Rand.  Zusammen sind beide größer als die Papierbreite.</translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation>Ungültiger oberer/unterer Rand.  Zusammen sind beide größer als die Papierhöhe.</translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation>Papierformat zu klein</translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation>Papierformat zu groß</translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation>Papier/Ränder zu klein</translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation>Papier/Ränder zu groß</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation>Ungültiges Papierformat eingegeben</translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation>Ungültige Randgröße gewählt</translation>
    </message>
</context>
<context>
    <name>PdfPosterWriter</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Die Datei konnte nicht erstellt werden: %1</translation>
    </message>
    <message>
        <source>The PDF could not be started (%1)</source>
        <translation>Das PDF konnte nicht begonnen werden (%1)</translation>
    </message>
    <message>
        <source>The PDF is not open</source>
        <translation>Das PDF ist nicht geöffnet</translation>
    </message>
    <message>
        <source>The colour profile is not an RGB profile</source>
        <translation>Das Farbprofil ist kein RGB-Profil</translation>
    </message>
    <message>
        <source>The colour profile could not be written (%1)</source>
        <translation>Das Farbprofil konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>A page cannot be started here</source>
        <translation>Hier kann keine Seite begonnen werden</translation>
    </message>
    <message>
        <source>The page could not be made (%1)</source>
        <translation>Die Seite konnte nicht angelegt werden (%1)</translation>
    </message>
    <message>
        <source>No page to draw on</source>
        <translation>Keine Seite zum Zeichnen vorhanden</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>Das Bild ist leer</translation>
    </message>
    <message>
        <source>The picture could not be written (%1)</source>
        <translation>Das Bild konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>The text font is missing</source>
        <translation>Die Schriftart fehlt</translation>
    </message>
    <message>
        <source>The text could not be written (%1)</source>
        <translation>Der Text konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>No page to end</source>
        <translation>Keine Seite zum Abschließen vorhanden</translation>
    </message>
    <message>
        <source>The page could not be written (%1)</source>
        <translation>Die Seite konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>The PDF is not complete</source>
        <translation>Das PDF ist nicht vollständig</translation>
    </message>
    <message>
        <source>The PDF could not be completed (%1)</source>
        <translation>Das PDF konnte nicht fertiggestellt werden (%1)</translation>
    </message>
    <message>
        <source>The PDF could not be saved: %1</source>
        <translation>Das PDF konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>PosterArrangements</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 breit</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 hoch</translation>
    </message>
    <message>
        <source>at most 1 sheet</source>
        <translation>höchstens 1 Blatt</translation>
    </message>
    <message>
        <source>at most %1 sheets</source>
        <translation>höchstens %1 Blätter</translation>
    </message>
    <message>
        <source>the whole photo</source>
        <translation>das ganze Foto</translation>
    </message>
    <message>
        <source>%1 x %2 sheets, %3</source>
        <translation>%1 x %2 Blätter, %3</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>gedreht</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>aufrecht</translation>
    </message>
    <message>
        <source>No arrangement reaches %1</source>
        <translation>Keine Anordnung erfüllt: %1</translation>
    </message>
</context>
<context>
    <name>PosterOverview</name>
    <message>
        <source>Poster overview</source>
        <translation>Posterübersicht</translation>
    </message>
    <message>
        <source>Final size: %1</source>
        <translation>Endgröße: %1</translation>
    </message>
    <message>
        <source>Paper: %1, %2 %3</source>
        <translation>Papier: %1, %2 %3</translation>
    </message>
    <message>
        <source>Sheets: %1, %2 across and %3 down</source>
        <translation>Blätter: %1, %2 nebeneinander und %3 untereinander</translation>
    </message>
    <message>
        <source>Overlap: %1 %2</source>
        <translation>Überlappung: %1 %2</translation>
    </message>
    <message>
        <source>Photo shown: %1</source>
        <translation>Fotoanteil: %1</translation>
    </message>
    <message>
        <source>Print the sheets at 100% (actual size) on this paper; this page is not part of the poster.</source>
        <translation>Drucken Sie die Blätter mit 100 % (Originalgröße) auf diesem Papier; diese Seite gehört nicht zum Poster.</translation>
    </message>
    <message>
        <source>Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.</source>
        <translation>Legen Sie die Blätter wie abgebildet aus: A1 oben links, A2 rechts daneben, B1 darunter.</translation>
    </message>
    <message>
        <source>The sheets print turned: the top of the poster is at each sheet&apos;s left edge. Turn every sheet a quarter turn clockwise before laying it out.</source>
        <translation>Die Blätter werden gedreht gedruckt: Der obere Rand des Posters liegt jeweils an der linken Kante des Blatts. Drehen Sie jedes Blatt vor dem Auslegen um eine Vierteldrehung im Uhrzeigersinn.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: cut each along its cut line, lay it over the glue area of its neighbour so that the pictures match, and glue it there.</source>
        <translation>Blätter rechts und unten liegen oben auf: Schneiden Sie jedes an seiner Schnittlinie zu, legen Sie es so über die Klebefläche seines Nachbarn, dass die Bilder übereinstimmen, und kleben Sie es dort fest.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: trim off any margin on their left and top edges, lay them over the shared strip of their neighbour so that the pictures match, and glue them there.</source>
        <translation>Blätter rechts und unten liegen oben auf: Schneiden Sie an ihrer linken und oberen Kante den Rand ab (falls vorhanden), legen Sie sie so über den gemeinsamen Streifen ihres Nachbarn, dass die Bilder übereinstimmen, und kleben Sie sie dort fest.</translation>
    </message>
    <message>
        <source>The sheets have no margins: butt them edge to edge.</source>
        <translation>Die Blätter haben keine Ränder: Legen Sie sie Kante an Kante aneinander.</translation>
    </message>
    <message>
        <source>Trim every sheet at its corner crop marks, where the picture ends, then butt the sheets edge to edge.</source>
        <translation>Schneiden Sie jedes Blatt an seinen Eck-Schnittmarken zu, wo das Bild endet, und legen Sie die Blätter dann Kante an Kante aneinander.</translation>
    </message>
    <message>
        <source>Trim the margins off every sheet along the edge of the picture, then butt the sheets edge to edge.</source>
        <translation>Schneiden Sie bei jedem Blatt die Ränder entlang der Bildkante ab und legen Sie die Blätter dann Kante an Kante aneinander.</translation>
    </message>
    <message>
        <source>Start at A1 and work to the right and down; tape or glue the sheets to a backing board or the wall.</source>
        <translation>Beginnen Sie bei A1 und arbeiten Sie sich nach rechts und nach unten vor; kleben Sie die Blätter mit Klebeband oder Klebstoff auf eine Trägerplatte oder an die Wand.</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>The poster&apos;s sheets are %1, but the printer&apos;s paper is %2. Printed on it, every sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the poster would not line up.</source>
        <translation>Die Blätter des Posters haben das Format %1, das Papier des Druckers aber %2. Darauf gedruckt würde jedes Blatt abgeschnitten oder verschoben, und Tessellon verkleinert ein Blatt nie passend: Das Poster würde nicht zusammenpassen.</translation>
    </message>
    <message>
        <source>%1 x %2 mm, %3 x %4 in</source>
        <translation>%1 x %2 mm, %3 x %4 Zoll</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Druckfehler</translation>
    </message>
    <message>
        <source>Preparing the sheets for the printer</source>
        <translation>Blätter werden für den Drucker vorbereitet</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Es ist kein Drucker installiert.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>Es gibt keinen Drucker namens „%1“.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no paper of %2.</source>
        <translation>Der Drucker „%1“ hat kein Papier im Format %2.</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Druckerränder</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or has an error; start it again (or choose another printer) and print once more. Nothing was sent.</source>
        <translation>Der Drucker „%1“ ist angehalten oder meldet einen Fehler; starten Sie ihn wieder (oder wählen Sie einen anderen Drucker) und drucken Sie erneut. Es wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the print job: %2</source>
        <translation>Der Drucker „%1“ hat den Druckauftrag abgelehnt: %2</translation>
    </message>
    <message>
        <source>The print job could not be started: %1</source>
        <translation>Der Druckauftrag konnte nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The print job could not be handed to the printer.</source>
        <translation>Der Druckauftrag konnte nicht an den Drucker übergeben werden.</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Gedruckt</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Printing canceled; nothing was sent to the printer.</source>
        <translation>Drucken abgebrochen; es wurde nichts an den Drucker gesendet.</translation>
    </message>
    <message>
        <source>Paper Differs</source>
        <translation>Papier weicht ab</translation>
    </message>
    <message>
        <source>Print at actual size anyway (Yes), or go back to the print dialog (No)?</source>
        <translation>Trotzdem in Originalgröße drucken (Ja) oder zurück zum Druckdialog (Nein)?</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) sent to %1.</source>
        <translation>
            <numerusform>%n Seite an %1 gesendet.</numerusform>
            <numerusform>%n Seiten an %1 gesendet.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>the old file cannot be kept</source>
        <translation>die alte Datei kann nicht aufbewahrt werden</translation>
    </message>
    <message>
        <source>default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Kodak photo lab default</source>
        <translation>Kodak-Fotolabor (Standard)</translation>
    </message>
    <message>
        <source>Fuji photo lab default</source>
        <translation>Fuji-Fotolabor (Standard)</translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation>Es muss mindestens ein Randkalibrierungsprofil vorhanden sein.  Das einzige Profil kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation>Profil kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation>Möchten Sie das ausgewählte Randkalibrierungsprofil wirklich löschen</translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation>Randkalibrierungsprofil löschen</translation>
    </message>
    <message>
        <source>A profile name can not contain a tab or a line break.  Please type the name on one line, without tabs.</source>
        <translation>Ein Profilname darf keinen Tabulator und keinen Zeilenumbruch enthalten.  Bitte geben Sie den Namen in einer Zeile und ohne Tabulatoren ein.</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Ungültiger Profilname</translation>
    </message>
    <message>
        <source>You can not have more than 199 Edge Calibration Profiles.  Please delete a profile before you create a new one.</source>
        <translation>Es sind höchstens 199 Randkalibrierungsprofile möglich.  Bitte löschen Sie ein Profil, bevor Sie ein neues anlegen.</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Randkalibrierungsprofile</translation>
    </message>
    <message>
        <source>Your edge calibration profile file could not be read exactly as it was written.  The original file has been kept as:
%1</source>
        <translation>Ihre Datei mit den Randkalibrierungsprofilen konnte nicht genau so gelesen werden, wie sie geschrieben wurde.  Die ursprüngliche Datei wurde aufbewahrt als:
%1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>Your change to the edge calibration profiles could not be saved in:
%1
It is kept until Tessellon is closed.</source>
        <translation>Ihre Änderung an den Randkalibrierungsprofilen konnte nicht gespeichert werden in:
%1
Sie bleibt erhalten, bis Tessellon beendet wird.</translation>
    </message>
    <message>
        <source>The application folder can not be written to.  Your edge calibration profiles are now stored in:
%1</source>
        <translation>In den Programmordner kann nicht geschrieben werden.  Ihre Randkalibrierungsprofile werden jetzt gespeichert in:
%1</translation>
    </message>
    <message>
        <source>Can not create profile</source>
        <translation>Profil kann nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>QtPrintDialogService</name>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, such as B2 or 4-6. Empty: the whole poster, after its overview page.</source>
        <translation>Zu druckende Blätter, wie beschriftet (A1 bis %1) oder nummeriert von 1 bis %2, z. B. B2 oder 4-6. Leer: das ganze Poster, nach seiner Übersichtsseite.</translation>
    </message>
</context>
<context>
    <name>SaveTilesDefaults</name>
    <message>
        <source>poster</source>
        <translation>poster</translation>
    </message>
    <message>
        <source>images</source>
        <translation>bilder</translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation>Ungültige Datei gewählt.  Der Vorgang kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation>Speichern nicht möglich – ungültiger Bilddateityp</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
</context>
<context>
    <name>SaveTilesOpening</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation>Ungültige Bild- oder Kachelangaben.  Der Vorgang kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation>Fortsetzen nicht möglich</translation>
    </message>
</context>
<context>
    <name>SaveTilesTexts</name>
    <message>
        <source>Could not create the folder</source>
        <translation>Fehler beim Erstellen des Ordners</translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation>für die Kachelbilder Ihres Posters</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation>Mögliche Ursachen: Sie haben keine Zugriffsrechte für das gewählte Laufwerk, das Laufwerk ist voll, oder Sie haben einen ungültigen Ordnernamen angegeben</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Grund: %1</translation>
    </message>
    <message>
        <source>The folder</source>
        <translation>Der Ordner</translation>
    </message>
    <message>
        <source>already exists</source>
        <translation>existiert bereits.</translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation>Einige Dateien könnten überschrieben werden.  Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Die Datei</translation>
    </message>
    <message>
        <source>It will be replaced.  Do you want to continue?</source>
        <translation>Sie wird ersetzt.  Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>Could not create the file</source>
        <translation>Fehler beim Erstellen der Datei</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the folder that you selected, the disk drive is full, or that you provided an invalid file name.</source>
        <translation>Mögliche Ursachen: Sie haben keine Zugriffsrechte für den gewählten Ordner, das Laufwerk ist voll, oder Sie haben einen ungültigen Dateinamen angegeben.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation>Fehler beim Berechnen der Kachelkoordinaten</translation>
    </message>
    <message>
        <source>Error creating FileSystemObject - Windows component missing</source>
        <translation>Fehler beim Erstellen von FileSystemObject – Windows-Komponente fehlt</translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation>Der Vorgang kann nicht fortgesetzt werden</translation>
    </message>
    <message>
        <source>Error creating image object</source>
        <translation>Fehler beim Erstellen des Bildobjekts</translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation>Fortsetzen nicht möglich – ungültige Kachel-Druckgrößen eingegeben</translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation>Fehler beim Ausgleichen des Randbeschnitts durch den Drucker</translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation>Kein Speicherplatz mehr</translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation>Nicht genügend Speicherplatz auf dem gewählten Laufwerk.  Die Bilder können nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Fehler beim Speichern einer Kachelbilddatei.  Möglicherweise ist der Datenträger voll.  Der Vorgang kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Vom Benutzer abgebrochen</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>Ordner existiert bereits</translation>
    </message>
    <message>
        <source>Saving Images Now</source>
        <translation>Bilder werden gespeichert</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Datei existiert bereits</translation>
    </message>
    <message>
        <source>Error saving the PDF file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Fehler beim Speichern der PDF-Datei.  Möglicherweise ist der Datenträger voll.  Der Vorgang kann nicht fortgesetzt werden.</translation>
    </message>
    <message>
        <source>poster</source>
        <translation>poster</translation>
    </message>
    <message>
        <source>overview</source>
        <translation>uebersicht</translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation>Keine Dateiendung gewählt</translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation>Sie müssen den Ort wählen, an dem der neue Ordner für die Kachelbilder angelegt werden soll</translation>
    </message>
    <message>
        <source>The base file name must not contain a folder separator (/ or \)</source>
        <translation>Der Basis-Dateiname darf kein Ordnertrennzeichen (/ oder \) enthalten</translation>
    </message>
    <message>
        <source>Error reading the source image</source>
        <translation>Fehler beim Lesen des Ausgangsbilds</translation>
    </message>
    <message>
        <source>The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger image.</source>
        <translation>Die Kacheln wären kleiner als ein Pixel des Bildes.  Verwenden Sie weniger Kacheln, einen geringeren Zoom oder ein größeres Bild.</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Nicht genügend Speicher</translation>
    </message>
    <message>
        <source>A tile of %1 x %2 pixels is too large for one JPEG picture (at most about %3 megapixels).  Use more tiles, or TIFF or BMP files.</source>
        <translation>Eine Kachel mit %1 x %2 Pixeln ist zu groß für ein JPEG-Bild (höchstens etwa %3 Megapixel).  Verwenden Sie mehr Kacheln oder TIFF- bzw. BMP-Dateien.</translation>
    </message>
</context>
<context>
    <name>SheetNames</name>
    <message>
        <source>%1 of %2 × %3</source>
        <translation>%1 von %2 × %3</translation>
    </message>
</context>
<context>
    <name>SheetRange</name>
    <message>
        <source>No such sheet or range on a poster of %1 × %2 sheets: %3 (name sheets as they are labelled, A1 to %4, or number them 1 to %5)</source>
        <translation>Dieses Blatt oder dieser Bereich existiert auf einem Poster aus %1 × %2 Blättern nicht: %3 (geben Sie Blätter wie beschriftet an, A1 bis %4, oder nummeriert von 1 bis %5)</translation>
    </message>
</context>
<context>
    <name>SourceImage</name>
    <message>
        <source>The photo&apos;s file %1 has changed or is gone since it was opened. Open it again to use it as it is now.</source>
        <translation>Die Datei des Fotos %1 wurde seit dem Öffnen geändert oder ist nicht mehr vorhanden. Öffnen Sie sie erneut, um sie in ihrem jetzigen Zustand zu verwenden.</translation>
    </message>
</context>
<context>
    <name>StatusPictures</name>
    <message>
        <source>Choose a folder that holds your image</source>
        <translation>Wählen Sie den Ordner, der Ihr Bild enthält</translation>
    </message>
    <message>
        <source>Choose an image from the file list</source>
        <translation>Wählen Sie ein Bild aus der Dateiliste</translation>
    </message>
    <message>
        <source>This file could not be loaded</source>
        <translation>Diese Datei konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wird geladen...</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Tessellon</source>
        <translation>Tessellon</translation>
    </message>
    <message>
        <source>Navigate to My Documents folder</source>
        <translation>Zum Ordner „Eigene Dokumente“ wechseln</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation>Zum Desktop-Ordner wechseln</translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation>Kacheln zeigen</translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation>Lage der Posterkacheln anzeigen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation>Kacheln um 90 Grad drehen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation>Vollbildvorschau Ihres Posters anzeigen</translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation>Bild um 90, 180 oder 270 Grad drehen</translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation>Endgültige Postergröße</translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation>Megapixel</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Eigene Dokumente</translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation>Anzahl der im Posterbild verwendeten Pixel in Millionen</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation>Endgröße Ihres Posters</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualität</translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation>Geschätzte Bildqualität Ihres Posters</translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation>Auflösung Ihres fertig gedruckten Posters</translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation>Kachelposition</translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation>Festlegen, welcher Teil Ihres Digitalbilds ins Poster kommt</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>(center)</source>
        <translation>(Mitte)</translation>
    </message>
    <message>
        <source>Horizontal centering of the poster Tiles</source>
        <translation>Horizontale Ausrichtung der Posterkacheln</translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation>Vertikale Ausrichtung der Posterkacheln</translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation>Zoomstufe</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation>Anzahl der Kacheln</translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation>Kacheln hoch = breit koppeln</translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation>Gleich viele Kacheln in der Höhe wie in der Breite erzwingen</translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation>Anzahl der Kacheln in der Breite des Posters</translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation>Anzahl der Kacheln in der Höhe des Posters</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation>Kachelbilder speichern</translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation>Kachelbilder des Posters jetzt erzeugen und speichern</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programm beenden</translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation>Druckgröße pro Kachel</translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation>Papier/Ränder bearbeiten</translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation>Ränder ausgleichen</translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation>Beim Erzeugen der Posterbilder den Ausgleich aus der Randkalibrierung anwenden</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation>Randkalibrierungsprofile bearbeiten</translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation>Aktives Randkalibrierungsprofil wählen</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Length units</source>
        <translation>Längeneinheit</translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation>Ohne Ränder</translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation>Kachelgröße nach Abzug der Ränder</translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation>Volle Papiergröße</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation>Papierformat, auf das die Posterkacheln gedruckt werden</translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation>Aktuell ausgewähltes Bild</translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation>Filter der Dateiliste</translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation>Gefilterte Liste der Dateien im gewählten Ordner</translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation>Ordner mit dem Bild wählen, aus dem Sie ein Poster machen möchten</translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation>Aktuelles Laufwerk wechseln</translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation>Schritt (4) – Klicken, um die Kachelbilder zu speichern</translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation>Schritt (3) – Kacheln anpassen, Ergebnis prüfen</translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation>Schritt (2) – Druckgröße der Kacheln festlegen</translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation>Schritt (1) – Bilddatei wählen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extras</translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation>Papier/Ränder wählen...</translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation>Randkalibrierung...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Inhalt...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Über Tessellon...</translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation>Diese Option gleicht aus, was Ihr Drucker an den Rändern abschneidet (am linken, rechten, oberen oder unteren Bildrand).  Randbeschnitt tritt vor allem beim randlosen Druck auf.  Klicken Sie auf „Bearbeiten“, um ein Randkalibrierungsprofil für Ihren Drucker anzulegen oder zu ändern.  Das Randkalibrierungsprofil legt fest, wie viel Ihr Drucker an den Rändern abschneidet (weitere Informationen dazu finden Sie in der Hilfe).</translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation>Einführung in die Randkalibrierung</translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation>Kein Bild ausgewählt.  Bitte wählen Sie ein Bild aus der Dateiliste</translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation>Kein Bild ausgewählt</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>volle Breite</translation>
    </message>
    <message>
        <source>center</source>
        <translation>Mitte</translation>
    </message>
    <message>
        <source>left</source>
        <translation>links</translation>
    </message>
    <message>
        <source>right</source>
        <translation>rechts</translation>
    </message>
    <message>
        <source>up</source>
        <translation>oben</translation>
    </message>
    <message>
        <source>down</source>
        <translation>unten</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Ausgezeichnet</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Sehr gut</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Gut</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Ausreichend</translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation>Aus der Entfernung gut</translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation>Aus der Entfernung ausreichend</translation>
    </message>
    <message>
        <source>Invalid tile configuration</source>
        <translation>Ungültige Kachelanordnung</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ungültig</translation>
    </message>
    <message>
        <source>The help file</source>
        <translation>Die Hilfedatei</translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation>fehlt.  Bitte installieren Sie diese Software neu.</translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation>Hilfedatei nicht gefunden</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation>Ungültige Kachel-Druckgröße eingegeben</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>full height</source>
        <translation>volle Höhe</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation>Sie haben ungültige Kachel-Druckgrößen eingegeben.  Zulässig für Breite und Höhe ist der Bereich von</translation>
    </message>
    <message>
        <source>About Tessellon</source>
        <translation>Über Tessellon</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Systeminfo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation>Dieses Programm erstellt aus Ihren Digitalbildern Poster in Fotoqualität in jeder Größe und Form.  Mit der enthaltenen Randkalibrierung werden die Eigenschaften Ihres Druckers gemessen und ausgeglichen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation>Klicken Sie auf die Schaltfläche, um für die aktuell gewählte Druckgröße ein Testbild zur Randkalibrierung zu erstellen.  Das Testbild hat an seinem Rand 4 Linien (je 1/16 Zoll breit).  Drucken Sie das Testbild aus.   </translation>
    </message>
    <message>
        <source>inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation>Postervorschau</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation>Ungültige Werte für die Druckgröße</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Ungültige Angaben</translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation>Rand-Testdruck</translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation>Wählen Sie aus, wie viele der 4 Randlinien an jedem Rand Ihres Testdrucks sichtbar sind.  Mit diesen Angaben des „Randkalibrierungsprofils“ gleicht die Software aus, was Ihr Drucker abschneidet. </translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation>Gibt für das gewählte Randkalibrierungsprofil an, wie viele der vier Testlinien am LINKEN Rand Ihres Testdrucks sichtbar sind</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation>Gibt für das gewählte Randkalibrierungsprofil an, wie viele der vier Testlinien am RECHTEN Rand Ihres Testdrucks sichtbar sind</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation>Gibt für das gewählte Randkalibrierungsprofil an, wie viele der vier Testlinien am OBEREN Rand Ihres Testdrucks sichtbar sind</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation>Gibt für das gewählte Randkalibrierungsprofil an, wie viele der vier Testlinien am UNTEREN Rand Ihres Testdrucks sichtbar sind</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation>Bilddateien (*.jpg, *.tif, *.bmp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation>Nur JPEG-Dateien (*.jpg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation>Nur TIFF-Dateien (*.tif)</translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation>Nur BMP-Dateien (*.bmp)</translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation>Alle Dateien anzeigen (*.*)</translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation>Nicht drehen</translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation>90° rechts drehen</translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation>90° links drehen</translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation>180° drehen</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Überlappung:</translation>
    </message>
    <message>
        <source>Strip of the picture that neighbouring sheets share, for gluing (0 = sheets meet edge to edge)</source>
        <translation>Bildstreifen, den benachbarte Blätter gemeinsam haben, zum Kleben (0 = Blätter stoßen Kante an Kante)</translation>
    </message>
    <message>
        <source>Invalid overlap.  It must lie between 0 and</source>
        <translation>Ungültige Überlappung.  Sie muss zwischen 0 und</translation>
    </message>
    <message>
        <source>half the tile print size</source>
        <translation>der halben Kachel-Druckgröße liegen</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Überlappung</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Fotoanteil</translation>
    </message>
    <message>
        <source>%1 % of the width, %2 % of the height</source>
        <translation>%1 % der Breite, %2 % der Höhe</translation>
    </message>
    <message>
        <source>How much of your photo the poster keeps; the poster&apos;s shape and the zoom cut off the rest</source>
        <translation>Wie viel von Ihrem Foto das Poster zeigt; den Rest schneiden Posterform und Zoom ab</translation>
    </message>
    <message>
        <source>Poster Size...</source>
        <translation>Postergröße...</translation>
    </message>
    <message>
        <source>Find the tile counts and sheet turn for a poster size or a number of sheets</source>
        <translation>Kachelanzahl und Blattdrehung für eine Postergröße oder eine Blattanzahl ermitteln</translation>
    </message>
    <message>
        <source>Fit Photo</source>
        <translation>Foto einpassen</translation>
    </message>
    <message>
        <source>With at most as many sheets as now, choose the tile counts and sheet turn that keep the most of the photo</source>
        <translation>Mit höchstens so vielen Blättern wie jetzt die Kachelanzahl und Blattdrehung wählen, die am meisten vom Foto zeigen</translation>
    </message>
</context>
<context>
    <name>SysInfoWindow</name>
    <message>
        <source>System Information</source>
        <translation>Systeminformationen</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the system information to the clipboard</source>
        <translation>Systeminformationen in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>(unknown)</source>
        <translation>(unbekannt)</translation>
    </message>
    <message>
        <source>Operating system: </source>
        <translation>Betriebssystem: </translation>
    </message>
    <message>
        <source>Kernel: </source>
        <translation>Kernel: </translation>
    </message>
    <message>
        <source>CPU architecture: </source>
        <translation>CPU-Architektur: </translation>
    </message>
    <message>
        <source>Built for: </source>
        <translation>Erstellt für: </translation>
    </message>
    <message>
        <source>Qt version: </source>
        <translation>Qt-Version: </translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>The TIFF file could not be written</source>
        <translation>Die TIFF-Datei konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>TileSaver</name>
    <message>
        <source>The tile could not be turned</source>
        <translation>Die Kachel konnte nicht gedreht werden</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>inches</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>Zentimeter</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>Meter</translation>
    </message>
    <message>
        <source>a length such as 120cm, %1m, 1200mm or 47in; a bare number is in %2</source>
        <translation>eine Länge wie 120cm, %1m, 1200mm oder 47in; eine Zahl ohne Einheit gilt in %2</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quillmark Software</source>
        <translation>Quillmark Software</translation>
    </message>
    <message>
        <source>Home page</source>
        <translation>Homepage</translation>
    </message>
    <message>
        <source>Visit the Tessellon home page</source>
        <translation>Die Tessellon-Homepage besuchen</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Questions, answers and help with Tessellon</source>
        <translation>Fragen, Antworten und Hilfe zu Tessellon</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kaufen</translation>
    </message>
    <message>
        <source>Buy a license for Tessellon</source>
        <translation>Eine Lizenz für Tessellon kaufen</translation>
    </message>
    <message>
        <source>Copyright © Quillmark Software. All rights reserved.</source>
        <translation>Copyright © Quillmark Software. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind derzeit nicht verfügbar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Reload File List</source>
        <translation>Dateiliste neu &amp;laden</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the poster&apos;s sheets, each at its exact size</source>
        <translation>Die Blätter des Posters drucken, jedes in seiner genauen Größe</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Die Datei %1 existiert nicht.</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Bild öffnen</translation>
    </message>
    <message>
        <source>Paper...</source>
        <translation>Papier...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systemsprache</translation>
    </message>
</context>
<context>
    <name>tessellon::frmBtm</name>
    <message>
        <source>Edge Calibration</source>
        <translation>Randkalibrierung</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Randkalibrierungsprofile</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation>Neues Randkalibrierungsprofil anlegen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation>Ausgewähltes Randkalibrierungsprofil umbenennen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation>Ausgewähltes Randkalibrierungsprofil löschen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation>Dialog „Randkalibrierung“ schließen</translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation>Schritt (1) Testbild erstellen und drucken</translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation>Testbild für Randkalibrierung erstellen</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Print the Edge Calibration test image at the tile print size on a printer</source>
        <translation>Das Testbild für die Randkalibrierung in der Kachel-Druckgröße auf einem Drucker drucken</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>Rechter Rand</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>Unterer Rand</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Oben links</translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>Testdruck</translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation>Schritt (2) Angaben für das Randkalibrierungsprofil eingeben </translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation>Oberer Rand</translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation>Rechter Rand</translation>
    </message>
    <message>
        <source>Bottom Edge</source>
        <translation>Unterer Rand</translation>
    </message>
    <message>
        <source>Left Edge</source>
        <translation>Linker Rand</translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation>Wie viel der Drucker an den Bildrändern abschneidet</translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation>Randkalibrierungsangaben für das ausgewählte Randkalibrierungsprofil</translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation>Wie viel der Drucker an jedem Rand abschneidet</translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation>Namen für das neue Profil eingeben</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Neues Profil</translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation>Neuen Namen für dieses Randkalibrierungsprofil eingeben</translation>
    </message>
</context>
<context>
    <name>tessellon::frmInputBox</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsg</name>
    <message>
        <source>Saving</source>
        <translation>Wird gespeichert</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>canceling</source>
        <translation>Wird abgebrochen</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsgboxYesNo</name>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>tessellon::frmPosterSize</name>
    <message>
        <source>Poster Size</source>
        <translation>Postergröße</translation>
    </message>
    <message>
        <source>Give the poster&apos;s width, its height, both, or at most how many sheets, in %1 (or type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns that reach it with the current paper, margins, overlap and edge compensation, the closest first; zoom and centring stay as they are.</source>
        <translation>Geben Sie die Breite des Posters an, seine Höhe, beides oder die höchste Anzahl Blätter, in %1 (oder mit Einheit: 120cm, 1,2m, 47in). Tessellon listet die Kachelanzahlen und Blattdrehungen auf, die dies mit dem aktuellen Papier, den Rändern, der Überlappung und dem Randausgleich erreichen, die nächstliegenden zuerst; Zoom und Zentrierung bleiben unverändert.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>The poster at least this wide, in %1; empty for any width</source>
        <translation>Das Poster mindestens so breit, in %1; leer für beliebige Breite</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Höhe:</translation>
    </message>
    <message>
        <source>The poster at least this high, in %1; empty for any height</source>
        <translation>Das Poster mindestens so hoch, in %1; leer für beliebige Höhe</translation>
    </message>
    <message>
        <source>At most &amp;sheets:</source>
        <translation>&amp;Max. Blattanzahl:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>beliebig</translation>
    </message>
    <message>
        <source>Only arrangements of at most this many sheets</source>
        <translation>Nur Anordnungen mit höchstens so vielen Blättern</translation>
    </message>
    <message>
        <source>The whole &amp;photo must show</source>
        <translation>Das ganze &amp;Foto muss sichtbar sein</translation>
    </message>
    <message>
        <source>Only arrangements whose shape cuts at most 1 % off a side of the photo</source>
        <translation>Nur Anordnungen, deren Form höchstens 1 % einer Fotoseite abschneidet</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Kacheln</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Blätter</translation>
    </message>
    <message>
        <source>Final size</source>
        <translation>Endgröße</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Fotoanteil</translation>
    </message>
    <message>
        <source>Best first: the closest to the size asked, then the one that keeps most of the photo, then the fewest sheets</source>
        <translation>Beste zuerst: die der gewünschten Größe am nächsten, dann die mit dem größten Fotoanteil, dann die mit den wenigsten Blättern</translation>
    </message>
    <message>
        <source>&amp;Use This</source>
        <translation>&amp;Verwenden</translation>
    </message>
    <message>
        <source>Set the tile counts and the sheet turn of the chosen arrangement</source>
        <translation>Kachelanzahl und Blattdrehung der gewählten Anordnung übernehmen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 is no length: give %2.</source>
        <translation>%1 ist keine Länge. Erwartet: %2.</translation>
    </message>
    <message>
        <source>The width</source>
        <translation>Die Breite</translation>
    </message>
    <message>
        <source>The height</source>
        <translation>Die Höhe</translation>
    </message>
    <message>
        <source>Give a width, a height or a number of sheets.</source>
        <translation>Geben Sie eine Breite, eine Höhe oder eine Blattanzahl an.</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 x %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>gedreht</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>aufrecht</translation>
    </message>
    <message>
        <source>%1 arrangements reach it; the best %2 are listed.</source>
        <translation>%1 Anordnungen erfüllen dies; die besten %2 sind aufgeführt.</translation>
    </message>
    <message>
        <source>1 arrangement reaches it.</source>
        <translation>1 Anordnung erfüllt dies.</translation>
    </message>
    <message>
        <source>%1 arrangements reach it.</source>
        <translation>%1 Anordnungen erfüllen dies.</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSaveTiles</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation>Posterbilddateien speichern</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation>Bilddateiformat, in dem die Kachelbilder Ihres Posters gespeichert werden</translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation>Speicherangaben</translation>
    </message>
    <message>
        <source>Base Filename</source>
        <translation>Basis-Dateiname</translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation>Basisname für die Dateinamen Ihrer Kachelbilder</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Name des neuen Ordners</translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation>Name des neuen Ordners, der für Ihre Kachelbilder angelegt wird</translation>
    </message>
    <message>
        <source>Assembly Aids</source>
        <translation>Montagehilfen</translation>
    </message>
    <message>
        <source>Sheet names (A1, A2, ...)</source>
        <translation>Blattnamen (A1, A2, ...)</translation>
    </message>
    <message>
        <source>PDF: print each sheet&apos;s name and the poster&apos;s layout where no picture shows</source>
        <translation>PDF: Name jedes Blatts und Aufbau des Posters dort drucken, wo kein Bild ist</translation>
    </message>
    <message>
        <source>Cut and glue marks</source>
        <translation>Schnitt- und Klebemarken</translation>
    </message>
    <message>
        <source>PDF: mark where overlapping sheets are cut and glued, or the picture&apos;s corners when the sheets do not overlap</source>
        <translation>PDF: markieren, wo überlappende Blätter geschnitten und geklebt werden, oder die Bildecken, wenn sich die Blätter nicht überlappen</translation>
    </message>
    <message>
        <source>Overview page</source>
        <translation>Übersichtsseite</translation>
    </message>
    <message>
        <source>PDF: a first page with the whole poster, its sheets and how to put them together</source>
        <translation>PDF: eine erste Seite mit dem ganzen Poster, seinen Blättern und einer Anleitung zum Zusammensetzen</translation>
    </message>
    <message>
        <source>Overview image</source>
        <translation>Übersichtsbild</translation>
    </message>
    <message>
        <source>Image files: also save a picture of the whole poster with its sheets and their names beside the tiles</source>
        <translation>Bilddateien: zusätzlich ein Bild des ganzen Posters mit seinen Blättern und deren Namen neben den Kacheln speichern</translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation>Speicherort des neuen Ordners</translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation>Aktuelles Laufwerk wählen</translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation>Ordner wählen, in dem der neue Unterordner für Ihre Kachelbilder angelegt werden soll</translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation>Die Dateien werden gespeichert in</translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation>Schritt (1) Dateieinstellungen für die Posterbilder wählen</translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation>Schritt (2) Klicken, um die Dateien jetzt zu speichern</translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation>Bilder jetzt speichern</translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation>Hier klicken, um die Kachelbilder Ihres Posters jetzt zu erzeugen und zu speichern</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation>Diesen Dialog schließen, ohne die Kachelbilder Ihres Posters zu erzeugen oder zu speichern</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSimpleMsg</name>
    <message>
        <source>Finished</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation>Bilder erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation>Ihre Posterbilder wurden erfolgreich gespeichert und können jetzt gedruckt werden.  Sie befinden sich in folgendem Ordner:</translation>
    </message>
    <message>
        <source>Poster Saved Successfully</source>
        <translation>Poster erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Your poster was saved successfully and is now ready for you to print at actual size (100 %).  It is the following file:</source>
        <translation>Ihr Poster wurde erfolgreich gespeichert und kann jetzt in Originalgröße (100 %) gedruckt werden.  Es ist die folgende Datei:</translation>
    </message>
</context>
</TS>
