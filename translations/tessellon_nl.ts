<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>BmpCodec</name>
    <message>
        <source>The BMP file could not be written</source>
        <translation>Het BMP-bestand kan niet worden geschreven</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file</source>
        <translation>De afbeelding is te groot voor een BMP-bestand</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Onvoldoende geheugen voor de gecodeerde afbeelding</translation>
    </message>
</context>
<context>
    <name>ClipAmount</name>
    <message>
        <source>None of the image is clipped</source>
        <translation>Er wordt niets van de afbeelding afgesneden</translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation>Printer snijdt</translation>
    </message>
    <message>
        <source>of image</source>
        <translation>van de afbeelding af</translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation>Zichtbaar: alle 4 lijnen</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Zichtbaar:</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>lijnen</translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation>Zichtbaar: geen lijnen</translation>
    </message>
</context>
<context>
    <name>CmykConverter</name>
    <message>
        <source>The image&apos;s CMYK colour profile cannot be used.</source>
        <translation>Het CMYK-kleurprofiel van de afbeelding kan niet worden gebruikt.</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Onvoldoende geheugen om de afbeelding te laden (%1 x %2 pixels).</translation>
    </message>
</context>
<context>
    <name>EdgeTestTargetTexts</name>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation>Het aangepaste afdrukformaat dat u hebt ingevoerd, is ongeldig. De hoogte en de breedte moeten allebei liggen tussen</translation>
    </message>
    <message>
        <source>and</source>
        <translation>en</translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation>inch. Voer geldige waarden in bij het onderdeel</translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation>van het hoofdvenster</translation>
    </message>
    <message>
        <source>A</source>
        <translation>Er wordt nu een testafbeelding gemaakt van</translation>
    </message>
    <message>
        <source>high</source>
        <translation>hoog</translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation>breed</translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation>Langs elke rand van de testafbeelding worden 4 gekleurde strepen afgedrukt. Elke streep is</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>breed</translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation>Doe het volgende om te testen hoeveel uw printer van elke rand afsnijdt</translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation>Sla de afbeelding op uw harde schijf op wanneer daarom wordt gevraagd</translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation>Druk de afbeelding af op uw printer</translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation>Tel hoeveel van de 4 gekleurde strepen langs elke rand van uw afdruk zichtbaar zijn en voer dat in het dialoogvenster hieronder in.</translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation>Klik op OK om door te gaan of op Annuleren om te stoppen</translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation>Testafbeelding maken</translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation>Fout bij het opslaan van de afbeelding op schijf</translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation>Fout bij het toevoegen van tekst aan de randtestafdruk</translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation>De afbeelding is op schijf opgeslagen.</translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation>Volgende stappen</translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation>Druk deze afbeelding af</translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation>met dezelfde printer, hetzelfde papier en dezelfde printerinstellingen die u</translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation>gaat gebruiken voor het afdrukken van uw posterafbeeldingen</translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation>Tel het aantal zichtbare strepen langs elke rand van de testafdruk.</translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation>Zorg dat het randkalibratieprofiel dat u wilt wijzigen, is geselecteerd.</translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation>Geef met de vier keuzelijsten hieronder aan hoeveel strepen er langs elke rand van uw afdruk zichtbaar zijn (zo weet de software hoeveel uw printer van elke rand van uw afdrukken afsnijdt).</translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation>Ongeldige afdrukafmetingen</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation>Maken van de testafbeelding geannuleerd</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation>Ongeldige bestandsnaam. Sla de afbeelding op als bmp-, tif- of jpg-bestand</translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation>Ongeldig bestandstype</translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation>Testafbeelding gemaakt</translation>
    </message>
    <message>
        <source>Invalid test image size</source>
        <translation>Ongeldig formaat van de testafbeelding</translation>
    </message>
    <message>
        <source>No pixels to draw the stripes on</source>
        <translation>Geen pixels om de strepen op te tekenen</translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation>Testafbeelding opslaan</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>PNG and WebP Files (*.png, *.webp)</source>
        <translation>PNG- en WebP-bestanden (*.png, *.webp)</translation>
    </message>
    <message>
        <source>All Supported Images (%1)</source>
        <translation>Alle ondersteunde afbeeldingen (%1)</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Ongeldig station</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>Het gekozen station is niet toegankelijk.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Probleem</translation>
    </message>
    <message>
        <source>Could not determine the location of the %1 folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>Kan de locatie van de map %1 niet bepalen. Ga er zelf naartoe met de mappenlijst hieronder.</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>het is een named pipe (FIFO), geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>het is een apparaat, geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>het is een socket, geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>het is geen map</translation>
    </message>
    <message>
        <source>a link of that name cannot be removed (%1)</source>
        <translation>een koppeling met die naam kan niet worden verwijderd (%1)</translation>
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
        <translation> Help</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
</context>
<context>
    <name>ImageFileReader</name>
    <message>
        <source>No decoder for this file&apos;s images is installed (libheif: %1).</source>
        <translation>Er is geen decoder voor de afbeeldingen in dit bestand geïnstalleerd (libheif: %1).</translation>
    </message>
    <message>
        <source>The image is too large for the HEIF decoder (%1).</source>
        <translation>De afbeelding is te groot voor de HEIF-decoder (%1).</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete: %1.</source>
        <translation>De afbeelding is beschadigd of onvolledig: %1.</translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation>Onvoldoende geheugen om het bestand te lezen.</translation>
    </message>
    <message>
        <source>No decoder for %1 images is installed.</source>
        <translation>Er is geen decoder voor %1-afbeeldingen geïnstalleerd.</translation>
    </message>
    <message>
        <source>The image is damaged: it decodes to no pixels.</source>
        <translation>De afbeelding is beschadigd: het decoderen levert geen pixels op.</translation>
    </message>
    <message>
        <source>Not enough memory to turn the image upright</source>
        <translation>Onvoldoende geheugen om de afbeelding rechtop te draaien</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model, which Tessellon converts for JPEG files only. Convert it to RGB in an image editor first.</source>
        <translation>De afbeelding gebruikt het CMYK-kleurmodel, dat Tessellon alleen bij JPEG-bestanden omzet. Zet de afbeelding eerst in een beeldbewerkingsprogramma om naar RGB.</translation>
    </message>
    <message>
        <source>The image is damaged: its colour table (palette) is missing.</source>
        <translation>De afbeelding is beschadigd: de kleurentabel (het palet) ontbreekt.</translation>
    </message>
    <message>
        <source>This is a folder, not an image file.</source>
        <translation>Dit is een map, geen afbeeldingsbestand.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Het bestand bestaat niet.</translation>
    </message>
    <message>
        <source>Its name holds bytes that are not UTF-8 text, so it cannot be named exactly; rename the file.</source>
        <translation>De naam bevat bytes die geen UTF-8-tekst zijn, waardoor het bestand niet exact kan worden aangeduid; geef het bestand een andere naam.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Het bestand kan niet worden geopend: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Het bestand is leeg.</translation>
    </message>
    <message>
        <source>The file is too large for this computer&apos;s memory (%1 MB; Tessellon uses at most %2 MB for one image).</source>
        <translation>Het bestand is te groot voor het geheugen van deze computer (%1 MB; Tessellon gebruikt maximaal %2 MB voor één afbeelding).</translation>
    </message>
    <message>
        <source>The file became shorter while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Het bestand is korter geworden terwijl het werd gelezen (misschien wordt het nog geschreven of gekopieerd). Probeer het opnieuw wanneer het volledig is.</translation>
    </message>
    <message>
        <source>The file changed while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Het bestand is gewijzigd terwijl het werd gelezen (misschien wordt het nog geschreven of gekopieerd). Probeer het opnieuw wanneer het volledig is.</translation>
    </message>
    <message>
        <source>This is not an image file that Tessellon can open (%1).</source>
        <translation>Dit is geen afbeeldingsbestand dat Tessellon kan openen (%1).</translation>
    </message>
    <message>
        <source> or </source>
        <translation> of </translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name has no extension.</source>
        <translation>Het bestand bevat een %1-afbeelding, maar de naam heeft geen extensie.</translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name ends in &quot;.%2&quot;.</source>
        <translation>Het bestand bevat een %1-afbeelding, maar de naam eindigt op &quot;.%2&quot;.</translation>
    </message>
    <message>
        <source>Rename it to end in %1.</source>
        <translation>Geef het een naam die eindigt op %1.</translation>
    </message>
    <message>
        <source>The image is damaged: its header gives no picture size.</source>
        <translation>De afbeelding is beschadigd: de header vermeldt geen afbeeldingsgrootte.</translation>
    </message>
    <message>
        <source>The image is too large for this computer&apos;s memory: %1 x %2 pixels need %3 MB, and Tessellon uses at most %4 MB for one image.</source>
        <translation>De afbeelding is te groot voor het geheugen van deze computer: %1 x %2 pixels vereisen %3 MB, en Tessellon gebruikt maximaal %4 MB voor één afbeelding.</translation>
    </message>
    <message>
        <source>The image is damaged: the file is far too small (%1 KB) for the %2 x %3 pixels it claims.</source>
        <translation>De afbeelding is beschadigd: het bestand is veel te klein (%1 KB) voor de %2 x %3 pixels die het opgeeft.</translation>
    </message>
    <message>
        <source>The image is damaged: part of the BMP file&apos;s pixel data is missing.</source>
        <translation>De afbeelding is beschadigd: een deel van de pixelgegevens van het BMP-bestand ontbreekt.</translation>
    </message>
    <message>
        <source>The image is damaged: the BMP file&apos;s colour masks are not valid.</source>
        <translation>De afbeelding is beschadigd: de kleurmaskers van het BMP-bestand zijn ongeldig.</translation>
    </message>
    <message>
        <source>The image is damaged: a run of the BMP file&apos;s pixels goes past the end of its row.</source>
        <translation>De afbeelding is beschadigd: een reeks pixels van het BMP-bestand loopt voorbij het einde van de rij.</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started.</source>
        <translation>De JPEG-decoder kan niet worden gestart.</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read (%1).</source>
        <translation>De afbeelding is beschadigd: de header kan niet worden gelezen (%1).</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model without a CMYK colour profile to convert it by. Convert it to RGB in an image editor first.</source>
        <translation>De afbeelding gebruikt het CMYK-kleurmodel zonder CMYK-kleurprofiel om haar mee om te zetten. Zet de afbeelding eerst in een beeldbewerkingsprogramma om naar RGB.</translation>
    </message>
    <message>
        <source>The image is damaged, or no decoder for %1 images is installed</source>
        <translation>De afbeelding is beschadigd, of er is geen decoder voor %1-afbeeldingen geïnstalleerd</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read</source>
        <translation>De afbeelding is beschadigd: de header kan niet worden gelezen</translation>
    </message>
    <message>
        <source>This image cannot be decoded at a reduced size.</source>
        <translation>Deze afbeelding kan niet op verkleind formaat worden gedecodeerd.</translation>
    </message>
    <message>
        <source>Only the header of the file was read.</source>
        <translation>Alleen de header van het bestand is gelezen.</translation>
    </message>
    <message>
        <source>The decode was stopped</source>
        <translation>Het decoderen is gestopt</translation>
    </message>
    <message>
        <source>The image is damaged: its pixels do not match its size.</source>
        <translation>De afbeelding is beschadigd: de pixels komen niet overeen met de afmetingen.</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete</source>
        <translation>De afbeelding is beschadigd of onvolledig</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Onvoldoende geheugen om de afbeelding te laden (%1 x %2 pixels).</translation>
    </message>
</context>
<context>
    <name>ImageLoader</name>
    <message>
        <source>Invalid Image File Selected</source>
        <translation>Ongeldig afbeeldingsbestand gekozen</translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation>De gekozen afbeelding is UITERST klein. De hoogte en/of breedte is kleiner dan het toegestane minimum van </translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation> pixels. Kies een grotere afbeelding.  </translation>
    </message>
</context>
<context>
    <name>ImageObject</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Het bestand kan niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Het bestand kan niet worden geschreven: %1</translation>
    </message>
    <message>
        <source>The file could not be completed: %1</source>
        <translation>Het bestand kan niet worden voltooid: %1</translation>
    </message>
    <message>
        <source>Text can only be drawn by the graphical application</source>
        <translation>Tekst kan alleen door de grafische toepassing worden getekend</translation>
    </message>
    <message>
        <source>Invalid font size %1</source>
        <translation>Ongeldige tekengrootte %1</translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation>De pixelmatrix is leeg</translation>
    </message>
    <message>
        <source>An image of %1 x %2 pixels cannot be created</source>
        <translation>Een afbeelding van %1 x %2 pixels kan niet worden gemaakt</translation>
    </message>
    <message>
        <source>There is no image to resample</source>
        <translation>Er is geen afbeelding om te herschalen</translation>
    </message>
    <message>
        <source>Invalid image size %1 x %2</source>
        <translation>Ongeldige afbeeldingsgrootte %1 x %2</translation>
    </message>
    <message>
        <source>Not enough memory to resample the image</source>
        <translation>Onvoldoende geheugen om de afbeelding te herschalen</translation>
    </message>
    <message>
        <source>There is no image to rotate</source>
        <translation>Er is geen afbeelding om te draaien</translation>
    </message>
    <message>
        <source>Invalid rotation angle %1</source>
        <translation>Ongeldige draaihoek %1</translation>
    </message>
    <message>
        <source>Not enough memory to rotate the image</source>
        <translation>Onvoldoende geheugen om de afbeelding te draaien</translation>
    </message>
    <message>
        <source>Invalid resolution %1</source>
        <translation>Ongeldige resolutie %1</translation>
    </message>
    <message>
        <source>Unknown image attribute</source>
        <translation>Onbekend afbeeldingskenmerk</translation>
    </message>
    <message>
        <source>There is no image to save</source>
        <translation>Er is geen afbeelding om op te slaan</translation>
    </message>
    <message>
        <source>%1 is not an image file format</source>
        <translation>%1 is geen bestandsindeling voor afbeeldingen</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Onvoldoende geheugen voor de gecodeerde afbeelding</translation>
    </message>
    <message>
        <source>The image could not be encoded: %1</source>
        <translation>De afbeelding kan niet worden gecodeerd: %1</translation>
    </message>
    <message>
        <source>There is no image to draw on</source>
        <translation>Er is geen afbeelding om op te tekenen</translation>
    </message>
    <message>
        <source>The image cannot be drawn on</source>
        <translation>Op de afbeelding kan niet worden getekend</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation>Fout bij het initialiseren van het afbeeldingsobject. Kan niet doorgaan.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>The file is not a JPEG image</source>
        <translation>Het bestand is geen JPEG-afbeelding</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started</source>
        <translation>De JPEG-decoder kan niet worden gestart</translation>
    </message>
    <message>
        <source>The JPEG header is damaged: %1</source>
        <translation>De JPEG-header is beschadigd: %1</translation>
    </message>
    <message>
        <source>CMYK JPEG images are not supported by this decoder</source>
        <translation>CMYK-JPEG-afbeeldingen worden door deze decoder niet ondersteund</translation>
    </message>
    <message>
        <source>The image is too large to load (%1 x %2 pixels)</source>
        <translation>De afbeelding is te groot om te laden (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels)</source>
        <translation>Onvoldoende geheugen om de afbeelding te laden (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>The JPEG image is damaged or incomplete: %1</source>
        <translation>De JPEG-afbeelding is beschadigd of onvolledig: %1</translation>
    </message>
    <message>
        <source>Not enough memory to load the image</source>
        <translation>Onvoldoende geheugen om de afbeelding te laden</translation>
    </message>
    <message>
        <source>There is no image to encode</source>
        <translation>Er is geen afbeelding om te coderen</translation>
    </message>
    <message>
        <source>The JPEG encoder could not be started</source>
        <translation>De JPEG-encoder kan niet worden gestart</translation>
    </message>
    <message>
        <source>The image is too large to encode</source>
        <translation>De afbeelding is te groot om te coderen</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Onvoldoende geheugen voor de gecodeerde afbeelding</translation>
    </message>
    <message>
        <source>JPEG encoding failed: %1</source>
        <translation>JPEG-codering mislukt: %1</translation>
    </message>
</context>
<context>
    <name>PaperDialogTexts</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation>Afdrukformaat van de tegels bepalen</translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation>(1) Kies de eenheden</translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation>(2) Kies het papierformaat</translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation>Kies een papierformaat (of kies Aangepast)</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breedte:</translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation>Volledige papierbreedte (inclusief marges)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hoogte:</translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation>Volledige papierhoogte (inclusief marges)</translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation>(3) Kies de marges voor de afdrukken</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Bovenmarge:</translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation>Rechtermarge:</translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation>Ondermarge:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Linkermarge:</translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation>Kies of typ de bovenmarge</translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation>Kies of typ de rechtermarge</translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation>Kies of typ de ondermarge</translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation>Kies of typ de linkermarge</translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation>Links=rechts, boven=onder</translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation>Linker- en rechtermarge gelijk houden, en boven- en ondermarge ook</translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation>Randloos (geen marges)</translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation>Alle marges op nul zetten (voor randloze afdrukken)</translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation>Standaardmarges herstellen</translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation>De marges terugzetten op de standaardwaarden voor het gekozen papierformaat</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Printermarges</translation>
    </message>
    <message>
        <source>Set the margins to what the printer &quot;%1&quot; cannot print at the edges of this paper</source>
        <translation>De marges instellen op wat printer &quot;%1&quot; aan de randen van dit papier niet kan bedrukken</translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation>(4) Resultaat:</translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation>Formaat VÓÓR bijsnijden marges:</translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation>Dit is het volledige papierformaat, inclusief marges</translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation>Formaat NA bijsnijden marges:</translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation>Dit is het formaat van een postertegel (het afdrukformaat NA het wegsnijden van de marges)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation>Huidige afdruk- en margewaarden overnemen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation>Huidige afdruk- en margewaarden overnemen en terugkeren naar het hoofdvenster</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation>Huidige afdruk- en margewaarden niet overnemen</translation>
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
        <translation>Canvas</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Aangepast</translation>
    </message>
    <message>
        <source> (inches)</source>
        <translation> (inch)</translation>
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
        <translation>(Marges in MILLIMETER)</translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation>(Marges in INCH)</translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation>Ongeldige waarden ingevoerd</translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation>Ongeldige papierbreedte of -hoogte</translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation>Ongeldig papierformaat: te klein. Het minimumformaat is</translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation>U hebt ongeldige waarden voor de afdrukmarges ingevoerd.</translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation>Ongeldige margewaarde: mag niet kleiner zijn dan nul</translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation>Ongeldige linker-/rechtermarge. Samen zijn ze groter dan de papierbreedte.</translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation>Ongeldige boven-/ondermarge. Samen zijn ze groter dan de papierhoogte.</translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation>Papierformaat te klein</translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation>Papierformaat te groot</translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation>Papier/marges te klein</translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation>Papier/marges te groot</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation>Ongeldig papierformaat ingevoerd</translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation>Ongeldige marge gekozen</translation>
    </message>
</context>
<context>
    <name>PdfPosterWriter</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Het bestand kan niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>The PDF could not be started (%1)</source>
        <translation>De PDF kan niet worden begonnen (%1)</translation>
    </message>
    <message>
        <source>The PDF is not open</source>
        <translation>De PDF is niet geopend</translation>
    </message>
    <message>
        <source>The colour profile is not an RGB profile</source>
        <translation>Het kleurprofiel is geen RGB-profiel</translation>
    </message>
    <message>
        <source>The colour profile could not be written (%1)</source>
        <translation>Het kleurprofiel kan niet worden geschreven (%1)</translation>
    </message>
    <message>
        <source>A page cannot be started here</source>
        <translation>Hier kan geen pagina worden begonnen</translation>
    </message>
    <message>
        <source>The page could not be made (%1)</source>
        <translation>De pagina kan niet worden gemaakt (%1)</translation>
    </message>
    <message>
        <source>No page to draw on</source>
        <translation>Geen pagina om op te tekenen</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>De afbeelding is leeg</translation>
    </message>
    <message>
        <source>The picture could not be written (%1)</source>
        <translation>De afbeelding kan niet worden geschreven (%1)</translation>
    </message>
    <message>
        <source>The text font is missing</source>
        <translation>Het lettertype ontbreekt</translation>
    </message>
    <message>
        <source>The text could not be written (%1)</source>
        <translation>De tekst kan niet worden geschreven (%1)</translation>
    </message>
    <message>
        <source>No page to end</source>
        <translation>Geen pagina om af te sluiten</translation>
    </message>
    <message>
        <source>The page could not be written (%1)</source>
        <translation>De pagina kan niet worden geschreven (%1)</translation>
    </message>
    <message>
        <source>The PDF is not complete</source>
        <translation>De PDF is niet volledig</translation>
    </message>
    <message>
        <source>The PDF could not be completed (%1)</source>
        <translation>De PDF kan niet worden voltooid (%1)</translation>
    </message>
    <message>
        <source>The PDF could not be saved: %1</source>
        <translation>De PDF kan niet worden opgeslagen: %1</translation>
    </message>
</context>
<context>
    <name>PosterArrangements</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 breed</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 hoog</translation>
    </message>
    <message>
        <source>at most 1 sheet</source>
        <translation>hooguit 1 vel</translation>
    </message>
    <message>
        <source>at most %1 sheets</source>
        <translation>hooguit %1 vellen</translation>
    </message>
    <message>
        <source>the whole photo</source>
        <translation>de hele foto</translation>
    </message>
    <message>
        <source>%1 x %2 sheets, %3</source>
        <translation>%1 x %2 vellen, %3</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>gedraaid</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>rechtop</translation>
    </message>
    <message>
        <source>No arrangement reaches %1</source>
        <translation>Geen indeling voldoet aan: %1</translation>
    </message>
</context>
<context>
    <name>PosterOverview</name>
    <message>
        <source>Poster overview</source>
        <translation>Posteroverzicht</translation>
    </message>
    <message>
        <source>Final size: %1</source>
        <translation>Eindformaat: %1</translation>
    </message>
    <message>
        <source>Paper: %1, %2 %3</source>
        <translation>Papier: %1, %2 %3</translation>
    </message>
    <message>
        <source>Sheets: %1, %2 across and %3 down</source>
        <translation>Vellen: %1, %2 naast elkaar en %3 onder elkaar</translation>
    </message>
    <message>
        <source>Overlap: %1 %2</source>
        <translation>Overlap: %1 %2</translation>
    </message>
    <message>
        <source>Photo shown: %1</source>
        <translation>Foto zichtbaar: %1</translation>
    </message>
    <message>
        <source>Print the sheets at 100% (actual size) on this paper; this page is not part of the poster.</source>
        <translation>Druk de vellen op 100% (ware grootte) af op dit papier; deze pagina hoort niet bij de poster.</translation>
    </message>
    <message>
        <source>Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.</source>
        <translation>Leg de vellen neer zoals getoond: A1 linksboven, A2 rechts daarvan, B1 eronder.</translation>
    </message>
    <message>
        <source>The sheets print turned: the top of the poster is at each sheet&apos;s left edge. Turn every sheet a quarter turn clockwise before laying it out.</source>
        <translation>De vellen worden gedraaid afgedrukt: de bovenkant van de poster ligt aan de linkerrand van elk vel. Draai elk vel een kwartslag met de klok mee voordat u het neerlegt.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: cut each along its cut line, lay it over the glue area of its neighbour so that the pictures match, and glue it there.</source>
        <translation>Vellen rechts en onder liggen bovenop: snijd elk vel af langs de snijlijn, leg het over de lijmrand van het buurvel zodat de afbeeldingen aansluiten, en lijm het daar vast.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: trim off any margin on their left and top edges, lay them over the shared strip of their neighbour so that the pictures match, and glue them there.</source>
        <translation>Vellen rechts en onder liggen bovenop: snijd een eventuele marge aan hun linker- en bovenrand weg, leg ze over de gedeelde strook van het buurvel zodat de afbeeldingen aansluiten, en lijm ze daar vast.</translation>
    </message>
    <message>
        <source>The sheets have no margins: butt them edge to edge.</source>
        <translation>De vellen hebben geen marges: leg ze rand tegen rand.</translation>
    </message>
    <message>
        <source>Trim every sheet at its corner crop marks, where the picture ends, then butt the sheets edge to edge.</source>
        <translation>Snijd elk vel bij op de snijtekens in de hoeken, waar de afbeelding eindigt, en leg de vellen dan rand tegen rand.</translation>
    </message>
    <message>
        <source>Trim the margins off every sheet along the edge of the picture, then butt the sheets edge to edge.</source>
        <translation>Snijd van elk vel de marges weg langs de rand van de afbeelding en leg de vellen dan rand tegen rand.</translation>
    </message>
    <message>
        <source>Start at A1 and work to the right and down; tape or glue the sheets to a backing board or the wall.</source>
        <translation>Begin bij A1 en werk naar rechts en naar beneden; plak of lijm de vellen op een stevige plaat of op de muur.</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimeter</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inch</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>The poster&apos;s sheets are %1, but the printer&apos;s paper is %2. Printed on it, every sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the poster would not line up.</source>
        <translation>De vellen van de poster zijn %1, maar het papier in de printer is %2. Daarop zou elk vel afgesneden of verschoven worden afgedrukt, en Tessellon verkleint een vel nooit om het passend te maken: de poster zou niet meer aansluiten.</translation>
    </message>
    <message>
        <source>%1 x %2 mm, %3 x %4 in</source>
        <translation>%1 x %2 mm, %3 x %4 inch</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Afdrukfout</translation>
    </message>
    <message>
        <source>Preparing the sheets for the printer</source>
        <translation>De vellen worden voorbereid voor de printer</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Er is geen printer geïnstalleerd.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>Er is geen printer met de naam &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no paper of %2.</source>
        <translation>Printer &quot;%1&quot; heeft geen papier van %2.</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Printermarges</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or has an error; start it again (or choose another printer) and print once more. Nothing was sent.</source>
        <translation>Printer &quot;%1&quot; is gestopt of heeft een fout; start de printer opnieuw (of kies een andere printer) en druk nogmaals af. Er is niets verzonden.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the print job: %2</source>
        <translation>Printer &quot;%1&quot; heeft de afdruktaak geweigerd: %2</translation>
    </message>
    <message>
        <source>The print job could not be started: %1</source>
        <translation>De afdruktaak kan niet worden gestart: %1</translation>
    </message>
    <message>
        <source>The print job could not be handed to the printer.</source>
        <translation>De afdruktaak kan niet aan de printer worden doorgegeven.</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Afgedrukt</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Vellen</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Printing canceled; nothing was sent to the printer.</source>
        <translation>Afdrukken geannuleerd; er is niets naar de printer verzonden.</translation>
    </message>
    <message>
        <source>Paper Differs</source>
        <translation>Papier wijkt af</translation>
    </message>
    <message>
        <source>Print at actual size anyway (Yes), or go back to the print dialog (No)?</source>
        <translation>Toch op ware grootte afdrukken (Ja), of terug naar het afdrukvenster (Nee)?</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) sent to %1.</source>
        <translation>
            <numerusform>%n pagina verzonden naar %1.</numerusform>
            <numerusform>%n pagina&apos;s verzonden naar %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Onbekende fout</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>the old file cannot be kept</source>
        <translation>het oude bestand kan niet worden bewaard</translation>
    </message>
    <message>
        <source>default</source>
        <translation>standaard</translation>
    </message>
    <message>
        <source>Kodak photo lab default</source>
        <translation>Kodak-fotolab (standaard)</translation>
    </message>
    <message>
        <source>Fuji photo lab default</source>
        <translation>Fuji-fotolab (standaard)</translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation>Er moet minstens één randkalibratieprofiel zijn. U kunt het enige profiel niet verwijderen.</translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation>Kan profiel niet verwijderen</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation>Weet u zeker dat u het geselecteerde randkalibratieprofiel wilt verwijderen</translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation>Randkalibratieprofiel verwijderen</translation>
    </message>
    <message>
        <source>A profile name can not contain a tab or a line break.  Please type the name on one line, without tabs.</source>
        <translation>Een profielnaam mag geen tab of regeleinde bevatten. Typ de naam op één regel, zonder tabs.</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Ongeldige profielnaam</translation>
    </message>
    <message>
        <source>You can not have more than 199 Edge Calibration Profiles.  Please delete a profile before you create a new one.</source>
        <translation>U kunt niet meer dan 199 randkalibratieprofielen hebben. Verwijder een profiel voordat u een nieuw profiel maakt.</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Randkalibratieprofielen</translation>
    </message>
    <message>
        <source>Your edge calibration profile file could not be read exactly as it was written.  The original file has been kept as:
%1</source>
        <translation>Uw bestand met randkalibratieprofielen kon niet precies zo worden gelezen als het is geschreven. Het oorspronkelijke bestand is bewaard als:
%1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reden: %1</translation>
    </message>
    <message>
        <source>Your change to the edge calibration profiles could not be saved in:
%1
It is kept until Tessellon is closed.</source>
        <translation>Uw wijziging in de randkalibratieprofielen kon niet worden opgeslagen in:
%1
Deze blijft bewaard totdat Tessellon wordt afgesloten.</translation>
    </message>
    <message>
        <source>The application folder can not be written to.  Your edge calibration profiles are now stored in:
%1</source>
        <translation>Er kan niet naar de programmamap worden geschreven. Uw randkalibratieprofielen worden nu opgeslagen in:
%1</translation>
    </message>
    <message>
        <source>Can not create profile</source>
        <translation>Kan profiel niet maken</translation>
    </message>
</context>
<context>
    <name>QtPrintDialogService</name>
    <message>
        <source>Sheets</source>
        <translation>Vellen</translation>
    </message>
    <message>
        <source>Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, such as B2 or 4-6. Empty: the whole poster, after its overview page.</source>
        <translation>Af te drukken vellen, aangeduid met de naam op het vel (A1 t/m %1) of met een nummer van 1 t/m %2, bijvoorbeeld B2 of 4-6. Leeg: de hele poster, na de overzichtspagina.</translation>
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
        <translation>afbeeldingen</translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation>Ongeldig bestand gekozen. Kan niet doorgaan.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Probleem</translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation>Kan niet opslaan: ongeldig type afbeeldingsbestand</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
</context>
<context>
    <name>SaveTilesOpening</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation>Ongeldige afbeeldings- of tegelgegevens. Kan niet doorgaan.</translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation>Kan niet doorgaan</translation>
    </message>
</context>
<context>
    <name>SaveTilesTexts</name>
    <message>
        <source>Could not create the folder</source>
        <translation>Kan de map</translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation>voor uw postertegels niet aanmaken</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation>Mogelijke oorzaken: u hebt geen toegangsrechten voor het gekozen station, de schijf is vol, of u hebt een ongeldige mapnaam opgegeven</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Probleem</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Reden: %1</translation>
    </message>
    <message>
        <source>The folder</source>
        <translation>De map</translation>
    </message>
    <message>
        <source>already exists</source>
        <translation>bestaat al.</translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation>Sommige bestanden kunnen worden overschreven. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Het bestand</translation>
    </message>
    <message>
        <source>It will be replaced.  Do you want to continue?</source>
        <translation>Het wordt vervangen. Wilt u doorgaan?</translation>
    </message>
    <message>
        <source>Could not create the file</source>
        <translation>Het volgende bestand kan niet worden aangemaakt:</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the folder that you selected, the disk drive is full, or that you provided an invalid file name.</source>
        <translation>Mogelijke oorzaken: u hebt geen toegangsrechten voor de gekozen map, de schijf is vol, of u hebt een ongeldige bestandsnaam opgegeven.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation>Fout bij het berekenen van de tegelcoördinaten</translation>
    </message>
    <message>
        <source>Error creating FileSystemObject - Windows component missing</source>
        <translation>Fout bij het maken van FileSystemObject: Windows-onderdeel ontbreekt</translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation>Kan niet doorgaan</translation>
    </message>
    <message>
        <source>Error creating image object</source>
        <translation>Fout bij het maken van het afbeeldingsobject</translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation>Kan niet doorgaan: ongeldig afdrukformaat voor de tegels ingevoerd</translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation>Fout bij het toepassen van de correctie voor door de printer afgesneden randen</translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation>Onvoldoende schijfruimte</translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation>Onvoldoende ruimte op het gekozen station. Kan de afbeeldingen niet opslaan.</translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Fout bij het opslaan van een tegelbestand op schijf. Misschien is de schijf vol. Kan niet doorgaan.</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Geannuleerd</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Geannuleerd door gebruiker</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>Map bestaat al</translation>
    </message>
    <message>
        <source>Saving Images Now</source>
        <translation>Afbeeldingen worden opgeslagen</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Bestand bestaat al</translation>
    </message>
    <message>
        <source>Error saving the PDF file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Fout bij het opslaan van het PDF-bestand op schijf. Misschien is de schijf vol. Kan niet doorgaan.</translation>
    </message>
    <message>
        <source>poster</source>
        <translation>poster</translation>
    </message>
    <message>
        <source>overview</source>
        <translation>overzicht</translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation>Geen bestandsextensie gekozen</translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation>Kies de locatie waar de nieuwe map voor de postertegels moet worden aangemaakt</translation>
    </message>
    <message>
        <source>The base file name must not contain a folder separator (/ or \)</source>
        <translation>De basisbestandsnaam mag geen mapscheidingsteken (/ of \) bevatten</translation>
    </message>
    <message>
        <source>Error reading the source image</source>
        <translation>Fout bij het lezen van de bronafbeelding</translation>
    </message>
    <message>
        <source>The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger image.</source>
        <translation>De tegels zouden kleiner zijn dan één pixel van de afbeelding. Gebruik minder tegels, een kleinere zoomfactor of een grotere afbeelding.</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Onvoldoende geheugen</translation>
    </message>
    <message>
        <source>A tile of %1 x %2 pixels is too large for one JPEG picture (at most about %3 megapixels).  Use more tiles, or TIFF or BMP files.</source>
        <translation>Een tegel van %1 x %2 pixels is te groot voor één JPEG-afbeelding (maximaal ongeveer %3 megapixels). Gebruik meer tegels, of TIFF- of BMP-bestanden.</translation>
    </message>
</context>
<context>
    <name>SheetNames</name>
    <message>
        <source>%1 of %2 × %3</source>
        <translation>%1 van %2 × %3</translation>
    </message>
</context>
<context>
    <name>SheetRange</name>
    <message>
        <source>No such sheet or range on a poster of %1 × %2 sheets: %3 (name sheets as they are labelled, A1 to %4, or number them 1 to %5)</source>
        <translation>Dit vel of bereik bestaat niet op een poster van %1 × %2 vellen: %3 (geef vellen aan met de naam op het vel, A1 t/m %4, of met een nummer van 1 t/m %5)</translation>
    </message>
</context>
<context>
    <name>SourceImage</name>
    <message>
        <source>The photo&apos;s file %1 has changed or is gone since it was opened. Open it again to use it as it is now.</source>
        <translation>Het bestand van de foto %1 is gewijzigd of verdwenen sinds het werd geopend. Open het opnieuw om het te gebruiken zoals het nu is.</translation>
    </message>
</context>
<context>
    <name>StatusPictures</name>
    <message>
        <source>Choose a folder that holds your image</source>
        <translation>Kies een map met uw afbeelding</translation>
    </message>
    <message>
        <source>Choose an image from the file list</source>
        <translation>Kies een afbeelding uit de bestandslijst</translation>
    </message>
    <message>
        <source>This file could not be loaded</source>
        <translation>Dit bestand kan niet worden geladen</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Laden...</translation>
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
        <translation>Naar de map Documenten gaan</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureaublad</translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation>Naar de map Bureaublad gaan</translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation>Tegels tonen</translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation>De plaats van de postertegels tonen</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Draaien</translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation>Tegels 90 graden draaien</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Voorbeeld</translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation>Schermvullend voorbeeld van uw poster bekijken</translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation>Afbeelding 90, 180 of 270 graden draaien</translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation>Uiteindelijk posterformaat</translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation>Megapixels</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Documenten</translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation>Aantal miljoen pixels in de posterafbeelding</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Formaat</translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation>Uiteindelijk formaat van uw poster</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolutie</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Kwaliteit</translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation>Geschatte beeldkwaliteit van uw poster</translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation>Resolutie van uw afgedrukte poster</translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation>Plaatsing van de tegels</translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation>Bepalen welk deel van uw digitale afbeelding op de poster komt</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticaal</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontaal</translation>
    </message>
    <message>
        <source>(center)</source>
        <translation>(midden)</translation>
    </message>
    <message>
        <source>Horizontal centering of the poster Tiles</source>
        <translation>Horizontale centrering van de postertegels</translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation>Verticale centrering van de postertegels</translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation>Zoomfactor</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation>Aantal tegels</translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation>Tegels hoog = tegels breed</translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation>Het aantal tegels in de hoogte gelijk houden aan het aantal in de breedte</translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation>Aantal tegels in de breedte van de poster</translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation>Aantal tegels in de hoogte van de poster</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoog</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breed</translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation>Postertegels opslaan</translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation>De postertegels nu maken en opslaan</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Programma afsluiten</translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation>Afdrukformaat per tegel</translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation>Papier/marges bewerken</translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation>Randen corrigeren</translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation>Randkalibratiecorrectie toepassen bij het maken van de posterafbeeldingen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation>Randkalibratieprofielen bewerken</translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation>Actief randkalibratieprofiel kiezen</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Eenheden</translation>
    </message>
    <message>
        <source>Length units</source>
        <translation>Lengte-eenheden</translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation>Bijgesneden</translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation>Tegelformaat nadat de marges zijn weggesneden</translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation>Volledig papierformaat</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation>Papierformaat waarop de postertegels worden afgedrukt</translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation>Geselecteerde afbeelding</translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation>Filter voor de bestandslijst</translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation>Gefilterde lijst met bestanden in de gekozen map</translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation>Kies de map met de afbeelding waarvan u een poster wilt maken</translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation>Ander station kiezen</translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation>Stap (4) - Klik om de tegelbestanden op te slaan</translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation>Stap (3) - Tegels aanpassen, resultaat bekijken</translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation>Stap (2) - Afdrukformaat van de tegels instellen</translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation>Stap (1) - Afbeeldingsbestand kiezen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Bestand</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Extra</translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation>Papier/marges kiezen...</translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation>Randkalibratie...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Inhoud...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Over Tessellon...</translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation>Deze optie corrigeert het afsnijden van randen (het wegvallen van de linker-, rechter-, boven- of onderrand van een afbeelding) door uw printer. Randen worden vooral afgesneden bij randloos afdrukken. Klik op de knop Bewerken om een randkalibratieprofiel voor uw printer te maken of te wijzigen. Het randkalibratieprofiel legt vast hoeveel uw printer van de randen afsnijdt (zie het Help-bestand voor meer informatie).</translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation>Inleiding randkalibratie</translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation>Geen afbeelding geselecteerd. Kies een afbeelding in de bestandslijst</translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation>Geen afbeelding geselecteerd</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>volle breedte</translation>
    </message>
    <message>
        <source>center</source>
        <translation>midden</translation>
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
        <translation>boven</translation>
    </message>
    <message>
        <source>down</source>
        <translation>onder</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Uitstekend</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Zeer goed</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Goed</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Redelijk</translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation>Goed op afstand</translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation>Redelijk op afstand</translation>
    </message>
    <message>
        <source>Invalid tile configuration</source>
        <translation>Ongeldige tegelindeling</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Ongeldig</translation>
    </message>
    <message>
        <source>The help file</source>
        <translation>Het Help-bestand</translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation>ontbreekt. Installeer deze software opnieuw.</translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation>Help-bestand niet gevonden</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimeter</translation>
    </message>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation>Ongeldig afdrukformaat voor de tegels</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Inch</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimeter</translation>
    </message>
    <message>
        <source>full height</source>
        <translation>volle hoogte</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>punten</translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation>U hebt een ongeldig afdrukformaat voor de tegels ingevoerd. De breedte en hoogte moeten liggen in het bereik van</translation>
    </message>
    <message>
        <source>About Tessellon</source>
        <translation>Over Tessellon</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Systeeminfo</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation>Dit programma maakt van uw digitale afbeeldingen posters in fotokwaliteit, in elk formaat en elke vorm. Met de ingebouwde randkalibratie worden de eigenschappen van uw printer gemeten en gecorrigeerd.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation>Klik op de knop om een testafbeelding voor randkalibratie te maken voor het gekozen afdrukformaat. De testafbeelding krijgt langs de rand 4 lijnen (elk 1/16 inch breed). Druk de testafbeelding af.   </translation>
    </message>
    <message>
        <source>inch</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation>Postervoorbeeld</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation>Ongeldige waarden voor het afdrukformaat</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Ongeldige gegevens</translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation>Randtestafdruk</translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation>Geef aan hoeveel van de 4 randlijnen zichtbaar zijn langs elke rand van uw testafdruk. Met deze gegevens van het &apos;randkalibratieprofiel&apos; corrigeert de software wat uw printer afsnijdt. </translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation>Geeft voor het geselecteerde randkalibratieprofiel aan hoeveel van de vier testlijnen zichtbaar zijn aan de LINKERKANT van uw testafdruk</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation>Geeft voor het geselecteerde randkalibratieprofiel aan hoeveel van de vier testlijnen zichtbaar zijn aan de RECHTERKANT van uw testafdruk</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation>Geeft voor het geselecteerde randkalibratieprofiel aan hoeveel van de vier testlijnen zichtbaar zijn aan de BOVENKANT van uw testafdruk</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation>Geeft voor het geselecteerde randkalibratieprofiel aan hoeveel van de vier testlijnen zichtbaar zijn aan de ONDERKANT van uw testafdruk</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation>Afbeeldingsbestanden (*.jpg, *.tif, *.bmp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation>Alleen JPEG-bestanden (*.jpg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation>Alleen TIFF-bestanden (*.tif)</translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation>Alleen BMP-bestanden (*.bmp)</translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation>Alle bestanden tonen (*.*)</translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation>Niet draaien</translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation>Rechtsom draaien</translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation>Linksom draaien</translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation>180° draaien</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Overlap:</translation>
    </message>
    <message>
        <source>Strip of the picture that neighbouring sheets share, for gluing (0 = sheets meet edge to edge)</source>
        <translation>Strook van de afbeelding die aangrenzende vellen delen, om te lijmen (0 = vellen sluiten rand tegen rand aan)</translation>
    </message>
    <message>
        <source>Invalid overlap.  It must lie between 0 and</source>
        <translation>Ongeldige overlap. Die moet liggen tussen 0 en</translation>
    </message>
    <message>
        <source>half the tile print size</source>
        <translation>de helft van het afdrukformaat van een tegel</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Overlap</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Foto zichtbaar</translation>
    </message>
    <message>
        <source>%1 % of the width, %2 % of the height</source>
        <translation>%1 % van de breedte, %2 % van de hoogte</translation>
    </message>
    <message>
        <source>How much of your photo the poster keeps; the poster&apos;s shape and the zoom cut off the rest</source>
        <translation>Hoeveel van uw foto op de poster komt; de vorm van de poster en de zoom snijden de rest weg</translation>
    </message>
    <message>
        <source>Poster Size...</source>
        <translation>Posterformaat...</translation>
    </message>
    <message>
        <source>Find the tile counts and sheet turn for a poster size or a number of sheets</source>
        <translation>Het aantal tegels en de draaiing van de vellen zoeken voor een posterformaat of een aantal vellen</translation>
    </message>
    <message>
        <source>Fit Photo</source>
        <translation>Foto inpassen</translation>
    </message>
    <message>
        <source>With at most as many sheets as now, choose the tile counts and sheet turn that keep the most of the photo</source>
        <translation>Met hooguit evenveel vellen als nu het aantal tegels en de draaiing van de vellen kiezen die het meeste van de foto behouden</translation>
    </message>
</context>
<context>
    <name>SysInfoWindow</name>
    <message>
        <source>System Information</source>
        <translation>Systeeminformatie</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Copy the system information to the clipboard</source>
        <translation>De systeeminformatie naar het klembord kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>(unknown)</source>
        <translation>(onbekend)</translation>
    </message>
    <message>
        <source>Operating system: </source>
        <translation>Besturingssysteem: </translation>
    </message>
    <message>
        <source>Kernel: </source>
        <translation>Kernel: </translation>
    </message>
    <message>
        <source>CPU architecture: </source>
        <translation>Processorarchitectuur: </translation>
    </message>
    <message>
        <source>Built for: </source>
        <translation>Gebouwd voor: </translation>
    </message>
    <message>
        <source>Qt version: </source>
        <translation>Qt-versie: </translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>The TIFF file could not be written</source>
        <translation>Het TIFF-bestand kan niet worden geschreven</translation>
    </message>
</context>
<context>
    <name>TileSaver</name>
    <message>
        <source>The tile could not be turned</source>
        <translation>De tegel kan niet worden gedraaid</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>inches</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimeter</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimeter</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>meter</translation>
    </message>
    <message>
        <source>a length such as 120cm, %1m, 1200mm or 47in; a bare number is in %2</source>
        <translation>een lengte zoals 120cm, %1m, 1200mm of 47in; een getal zonder eenheid is in %2</translation>
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
        <translation>Website</translation>
    </message>
    <message>
        <source>Visit the Tessellon home page</source>
        <translation>De website van Tessellon bezoeken</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Ondersteuning</translation>
    </message>
    <message>
        <source>Questions, answers and help with Tessellon</source>
        <translation>Vragen, antwoorden en hulp bij Tessellon</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kopen</translation>
    </message>
    <message>
        <source>Buy a license for Tessellon</source>
        <translation>Een licentie voor Tessellon kopen</translation>
    </message>
    <message>
        <source>Copyright © Quillmark Software. All rights reserved.</source>
        <translation>Copyright © Quillmark Software. Alle rechten voorbehouden.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeeminformatie is momenteel niet beschikbaar</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>&amp;Reload File List</source>
        <translation>Bestandslijst &amp;vernieuwen</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Af&amp;drukken...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Afdrukken...</translation>
    </message>
    <message>
        <source>Print the poster&apos;s sheets, each at its exact size</source>
        <translation>De vellen van de poster afdrukken, elk op exact formaat</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Het bestand %1 bestaat niet.</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Afbeelding openen</translation>
    </message>
    <message>
        <source>Paper...</source>
        <translation>Papier...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>Beel&amp;d</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>&amp;Systeemtaal</translation>
    </message>
</context>
<context>
    <name>tessellon::frmBtm</name>
    <message>
        <source>Edge Calibration</source>
        <translation>Randkalibratie</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Randkalibratieprofielen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation>Een nieuw randkalibratieprofiel maken</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Naam wijzigen</translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation>De naam van het geselecteerde randkalibratieprofiel wijzigen</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation>Het geselecteerde randkalibratieprofiel verwijderen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation>Het venster Randkalibratie sluiten</translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation>Stap (1) Testafbeelding maken en afdrukken</translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation>Testafbeelding voor randkalibratie maken</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Afdrukken...</translation>
    </message>
    <message>
        <source>Print the Edge Calibration test image at the tile print size on a printer</source>
        <translation>De testafbeelding voor randkalibratie op het afdrukformaat van de tegels afdrukken</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>bovenrand</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>rechterrand</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>onderrand</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>linkerrand</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Linksboven</translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>Testafdruk</translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation>Stap (2) Gegevens voor het randkalibratieprofiel invoeren </translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation>Bovenrand</translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation>Rechterrand</translation>
    </message>
    <message>
        <source>Bottom Edge</source>
        <translation>Onderrand</translation>
    </message>
    <message>
        <source>Left Edge</source>
        <translation>Linkerrand</translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation>Hoeveel de printer van de randen van afbeeldingen afsnijdt</translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation>Randkalibratiegegevens van het geselecteerde randkalibratieprofiel</translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation>Hoeveel de printer van elke rand afsnijdt</translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation>Naam voor het nieuwe profiel</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Profielnaam</translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation>Nieuwe naam voor dit randkalibratieprofiel</translation>
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
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsg</name>
    <message>
        <source>Saving</source>
        <translation>Opslaan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>canceling</source>
        <translation>Bezig met annuleren</translation>
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
        <translation>Nee</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
</context>
<context>
    <name>tessellon::frmPosterSize</name>
    <message>
        <source>Poster Size</source>
        <translation>Posterformaat</translation>
    </message>
    <message>
        <source>Give the poster&apos;s width, its height, both, or at most how many sheets, in %1 (or type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns that reach it with the current paper, margins, overlap and edge compensation, the closest first; zoom and centring stay as they are.</source>
        <translation>Geef de breedte van de poster op, de hoogte, beide, of het maximale aantal vellen, in %1 (of typ een eenheid: 120cm, 1,2m, 47inch). Tessellon toont de aantallen tegels en draaiingen van de vellen die daaraan voldoen met het huidige papier, de marges, de overlap en de randcorrectie, de dichtstbijzijnde eerst; zoom en centrering blijven zoals ze zijn.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breedte:</translation>
    </message>
    <message>
        <source>The poster at least this wide, in %1; empty for any width</source>
        <translation>De poster minstens zo breed, in %1; leeg voor elke breedte</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hoogte:</translation>
    </message>
    <message>
        <source>The poster at least this high, in %1; empty for any height</source>
        <translation>De poster minstens zo hoog, in %1; leeg voor elke hoogte</translation>
    </message>
    <message>
        <source>At most &amp;sheets:</source>
        <translation>Maximaal aantal &amp;vellen:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>onbeperkt</translation>
    </message>
    <message>
        <source>Only arrangements of at most this many sheets</source>
        <translation>Alleen indelingen met hooguit zoveel vellen</translation>
    </message>
    <message>
        <source>The whole &amp;photo must show</source>
        <translation>De hele &amp;foto moet zichtbaar zijn</translation>
    </message>
    <message>
        <source>Only arrangements whose shape cuts at most 1 % off a side of the photo</source>
        <translation>Alleen indelingen waarvan de vorm hooguit 1 % van een zijde van de foto afsnijdt</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Tegels</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Vellen</translation>
    </message>
    <message>
        <source>Final size</source>
        <translation>Eindformaat</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Foto zichtbaar</translation>
    </message>
    <message>
        <source>Best first: the closest to the size asked, then the one that keeps most of the photo, then the fewest sheets</source>
        <translation>Beste eerst: het dichtst bij het gevraagde formaat, dan het meeste van de foto, dan de minste vellen</translation>
    </message>
    <message>
        <source>&amp;Use This</source>
        <translation>&amp;Deze gebruiken</translation>
    </message>
    <message>
        <source>Set the tile counts and the sheet turn of the chosen arrangement</source>
        <translation>Het aantal tegels en de draaiing van de vellen van de gekozen indeling instellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>%1 is no length: give %2.</source>
        <translation>%1 is geen lengte: geef %2 op.</translation>
    </message>
    <message>
        <source>The width</source>
        <translation>De breedte</translation>
    </message>
    <message>
        <source>The height</source>
        <translation>De hoogte</translation>
    </message>
    <message>
        <source>Give a width, a height or a number of sheets.</source>
        <translation>Geef een breedte, een hoogte of een aantal vellen op.</translation>
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
        <translation>gedraaid</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>rechtop</translation>
    </message>
    <message>
        <source>%1 arrangements reach it; the best %2 are listed.</source>
        <translation>%1 indelingen voldoen hieraan; de beste %2 staan in de lijst.</translation>
    </message>
    <message>
        <source>1 arrangement reaches it.</source>
        <translation>1 indeling voldoet hieraan.</translation>
    </message>
    <message>
        <source>%1 arrangements reach it.</source>
        <translation>%1 indelingen voldoen hieraan.</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSaveTiles</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation>Posterbestanden opslaan</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Bestandstype</translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation>Bestandsindeling waarin uw postertegels worden opgeslagen</translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation>Opslaggegevens</translation>
    </message>
    <message>
        <source>Base Filename</source>
        <translation>Basisbestandsnaam</translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation>Basisnaam voor de bestandsnamen van uw postertegels</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Naam nieuwe map</translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation>Naam van de nieuwe map waarin uw postertegels worden opgeslagen</translation>
    </message>
    <message>
        <source>Assembly Aids</source>
        <translation>Hulp bij samenstellen</translation>
    </message>
    <message>
        <source>Sheet names (A1, A2, ...)</source>
        <translation>Velnamen (A1, A2, ...)</translation>
    </message>
    <message>
        <source>PDF: print each sheet&apos;s name and the poster&apos;s layout where no picture shows</source>
        <translation>PDF: de naam van elk vel en de indeling van de poster afdrukken waar geen afbeelding staat</translation>
    </message>
    <message>
        <source>Cut and glue marks</source>
        <translation>Snij- en lijmtekens</translation>
    </message>
    <message>
        <source>PDF: mark where overlapping sheets are cut and glued, or the picture&apos;s corners when the sheets do not overlap</source>
        <translation>PDF: aangeven waar overlappende vellen worden gesneden en gelijmd, of de hoeken van de afbeelding als de vellen niet overlappen</translation>
    </message>
    <message>
        <source>Overview page</source>
        <translation>Overzichtspagina</translation>
    </message>
    <message>
        <source>PDF: a first page with the whole poster, its sheets and how to put them together</source>
        <translation>PDF: een eerste pagina met de hele poster, de vellen en hoe u ze samenvoegt</translation>
    </message>
    <message>
        <source>Overview image</source>
        <translation>Overzichtsafbeelding</translation>
    </message>
    <message>
        <source>Image files: also save a picture of the whole poster with its sheets and their names beside the tiles</source>
        <translation>Afbeeldingsbestanden: naast de tegels ook een afbeelding van de hele poster met de vellen en hun namen opslaan</translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation>Locatie van de nieuwe map</translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation>Station kiezen</translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation>Kies de map waarin de nieuwe submap met uw postertegels moet worden aangemaakt</translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation>De bestanden worden opgeslagen in</translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation>Stap (1) Bestandsvoorkeuren voor de posterafbeeldingen kiezen</translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation>Stap (2) Klik om de bestanden nu op te slaan</translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation>Afbeeldingen nu opslaan</translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation>Klik hier om uw postertegels nu te maken en op te slaan</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation>Dit venster sluiten zonder uw postertegels te maken of op te slaan</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSimpleMsg</name>
    <message>
        <source>Finished</source>
        <translation>Gereed</translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation>Afbeeldingen opgeslagen</translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation>Uw posterafbeeldingen zijn opgeslagen en klaar om af te drukken. Ze staan in de volgende map:</translation>
    </message>
    <message>
        <source>Poster Saved Successfully</source>
        <translation>Poster opgeslagen</translation>
    </message>
    <message>
        <source>Your poster was saved successfully and is now ready for you to print at actual size (100 %).  It is the following file:</source>
        <translation>Uw poster is opgeslagen en klaar om op ware grootte (100 %) af te drukken. Het is het volgende bestand:</translation>
    </message>
</context>
</TS>
