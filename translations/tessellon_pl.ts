<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>BmpCodec</name>
    <message>
        <source>The BMP file could not be written</source>
        <translation>Nie można zapisać pliku BMP</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file</source>
        <translation>Obraz jest za duży na plik BMP</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Za mało pamięci na zakodowany obraz</translation>
    </message>
</context>
<context>
    <name>ClipAmount</name>
    <message>
        <source>None of the image is clipped</source>
        <translation>Obraz nie jest wcale obcinany</translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation>Drukarka obcina</translation>
    </message>
    <message>
        <source>of image</source>
        <translation>obrazu</translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation>Widać wszystkie 4 linie</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Widać</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>linii</translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation>Nie widać żadnej linii</translation>
    </message>
</context>
<context>
    <name>CmykConverter</name>
    <message>
        <source>The image&apos;s CMYK colour profile cannot be used.</source>
        <translation>Nie można użyć profilu kolorów CMYK tego obrazu.</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Za mało pamięci, aby wczytać obraz (%1 x %2 pikseli).</translation>
    </message>
</context>
<context>
    <name>EdgeTestTargetTexts</name>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation>Wprowadzony niestandardowy rozmiar wydruku jest nieprawidłowy. Wysokość i szerokość muszą mieścić się w zakresie od</translation>
    </message>
    <message>
        <source>and</source>
        <translation>do</translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation>cala. Wprowadź prawidłowe wartości w sekcji</translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation>głównego okna</translation>
    </message>
    <message>
        <source>A</source>
        <translation>Zostanie teraz utworzony obraz testowy o wymiarach</translation>
    </message>
    <message>
        <source>high</source>
        <translation>wysokości</translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation>szerokości</translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation>Wzdłuż każdej krawędzi obrazu zostaną wydrukowane 4 kolorowe paski. Każdy pasek ma</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>szerokości</translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation>Aby sprawdzić, ile drukarka obcina z każdej krawędzi, wykonaj następujące czynności</translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation>Gdy pojawi się okno zapisu, zapisz obraz na dysku</translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation>Wydrukuj obraz na swojej drukarce</translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation>Policz, ile z 4 kolorowych pasków widać przy każdej krawędzi wydruku, i wprowadź te informacje w oknie dialogowym poniżej.</translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation>Kliknij OK, aby kontynuować, lub Anuluj, aby zrezygnować</translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation>Tworzenie obrazu testowego</translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation>Wystąpił błąd podczas zapisywania obrazu na dysku</translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation>Błąd podczas dodawania tekstu do wydruku testowego krawędzi</translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation>Obraz został zapisany na dysku.</translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation>Dalsze kroki</translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation>Wydrukuj ten obraz</translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation>przy użyciu tej samej drukarki, tego samego papieru i tych samych ustawień drukarki, których</translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation>użyjesz do drukowania obrazów plakatu</translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation>Policz widoczne paski wzdłuż każdej krawędzi otrzymanego wydruku testowego.</translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation>Upewnij się, że jest wybrany profil kalibracji krawędzi, który chcesz zmienić.</translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation>Za pomocą czterech list rozwijanych poniżej wskaż, ile pasków widać przy każdej krawędzi wydruku (dzięki temu program wie, ile drukarka obcina z każdej krawędzi wydruków).</translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation>Nieprawidłowe wymiary wydruku</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation>Anulowano tworzenie obrazu testowego</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation>Nieprawidłowa nazwa pliku obrazu. Obraz trzeba zapisać jako plik bmp, tif lub jpg</translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation>Nieprawidłowy typ pliku</translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation>Utworzono obraz testowy</translation>
    </message>
    <message>
        <source>Invalid test image size</source>
        <translation>Nieprawidłowy rozmiar obrazu testowego</translation>
    </message>
    <message>
        <source>No pixels to draw the stripes on</source>
        <translation>Brak pikseli, na których można narysować paski</translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation>Zapisz obraz testowy</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>PNG and WebP Files (*.png, *.webp)</source>
        <translation>Pliki PNG i WebP (*.png, *.webp)</translation>
    </message>
    <message>
        <source>All Supported Images (%1)</source>
        <translation>Wszystkie obsługiwane obrazy (%1)</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Nieprawidłowy dysk</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>Brak dostępu do wybranego dysku.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Could not determine the location of the %1 folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>Nie można ustalić położenia folderu %1. Przejdź do niego ręcznie za pomocą listy folderów poniżej.</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder</source>
        <translation>jest to folder</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>jest to potok nazwany (FIFO), a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>jest to urządzenie, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>jest to gniazdo, a nie zwykły plik</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>nie jest to zwykły plik</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>nie jest to folder</translation>
    </message>
    <message>
        <source>a link of that name cannot be removed (%1)</source>
        <translation>nie można usunąć dowiązania o tej nazwie (%1)</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>Bitmap (.bmp)</source>
        <translation>Mapa bitowa (.bmp)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Mapa bitowa (*.bmp)</translation>
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
        <translation> – pomoc</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
</context>
<context>
    <name>ImageFileReader</name>
    <message>
        <source>No decoder for this file&apos;s images is installed (libheif: %1).</source>
        <translation>Nie zainstalowano dekodera obrazów z tego pliku (libheif: %1).</translation>
    </message>
    <message>
        <source>The image is too large for the HEIF decoder (%1).</source>
        <translation>Obraz jest za duży dla dekodera HEIF (%1).</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete: %1.</source>
        <translation>Obraz jest uszkodzony lub niekompletny: %1.</translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation>Za mało pamięci, aby odczytać plik.</translation>
    </message>
    <message>
        <source>No decoder for %1 images is installed.</source>
        <translation>Nie zainstalowano dekodera obrazów %1.</translation>
    </message>
    <message>
        <source>The image is damaged: it decodes to no pixels.</source>
        <translation>Obraz jest uszkodzony: po zdekodowaniu nie zawiera żadnych pikseli.</translation>
    </message>
    <message>
        <source>Not enough memory to turn the image upright</source>
        <translation>Za mało pamięci, aby ustawić obraz we właściwej orientacji</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model, which Tessellon converts for JPEG files only. Convert it to RGB in an image editor first.</source>
        <translation>Obraz używa modelu kolorów CMYK, który Tessellon konwertuje tylko w plikach JPEG. Najpierw przekonwertuj go do RGB w edytorze grafiki.</translation>
    </message>
    <message>
        <source>The image is damaged: its colour table (palette) is missing.</source>
        <translation>Obraz jest uszkodzony: brakuje jego tabeli kolorów (palety).</translation>
    </message>
    <message>
        <source>This is a folder, not an image file.</source>
        <translation>To jest folder, a nie plik obrazu.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Plik nie istnieje.</translation>
    </message>
    <message>
        <source>Its name holds bytes that are not UTF-8 text, so it cannot be named exactly; rename the file.</source>
        <translation>Jego nazwa zawiera bajty, które nie są tekstem UTF-8, więc nie można się do niego dokładnie odwołać; zmień nazwę pliku.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Nie można otworzyć pliku: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Plik jest pusty.</translation>
    </message>
    <message>
        <source>The file is too large for this computer&apos;s memory (%1 MB; Tessellon uses at most %2 MB for one image).</source>
        <translation>Plik jest za duży dla pamięci tego komputera (%1 MB; Tessellon używa najwyżej %2 MB na jeden obraz).</translation>
    </message>
    <message>
        <source>The file became shorter while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Plik skrócił się podczas odczytu (być może nadal jest zapisywany lub kopiowany). Spróbuj ponownie, gdy będzie kompletny.</translation>
    </message>
    <message>
        <source>The file changed while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Plik zmienił się podczas odczytu (być może nadal jest zapisywany lub kopiowany). Spróbuj ponownie, gdy będzie kompletny.</translation>
    </message>
    <message>
        <source>This is not an image file that Tessellon can open (%1).</source>
        <translation>To nie jest plik obrazu, który Tessellon potrafi otworzyć (%1).</translation>
    </message>
    <message>
        <source> or </source>
        <translation> lub </translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name has no extension.</source>
        <translation>Plik zawiera obraz %1, ale jego nazwa nie ma rozszerzenia.</translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name ends in &quot;.%2&quot;.</source>
        <translation>Plik zawiera obraz %1, ale jego nazwa kończy się na „.%2”.</translation>
    </message>
    <message>
        <source>Rename it to end in %1.</source>
        <translation>Zmień jego nazwę tak, aby kończyła się na %1.</translation>
    </message>
    <message>
        <source>The image is damaged: its header gives no picture size.</source>
        <translation>Obraz jest uszkodzony: jego nagłówek nie podaje rozmiaru obrazu.</translation>
    </message>
    <message>
        <source>The image is too large for this computer&apos;s memory: %1 x %2 pixels need %3 MB, and Tessellon uses at most %4 MB for one image.</source>
        <translation>Obraz jest za duży dla pamięci tego komputera: %1 x %2 pikseli wymaga %3 MB, a Tessellon używa najwyżej %4 MB na jeden obraz.</translation>
    </message>
    <message>
        <source>The image is damaged: the file is far too small (%1 KB) for the %2 x %3 pixels it claims.</source>
        <translation>Obraz jest uszkodzony: plik jest o wiele za mały (%1 KB) na deklarowane %2 x %3 pikseli.</translation>
    </message>
    <message>
        <source>The image is damaged: part of the BMP file&apos;s pixel data is missing.</source>
        <translation>Obraz jest uszkodzony: brakuje części danych pikseli pliku BMP.</translation>
    </message>
    <message>
        <source>The image is damaged: the BMP file&apos;s colour masks are not valid.</source>
        <translation>Obraz jest uszkodzony: maski kolorów pliku BMP są nieprawidłowe.</translation>
    </message>
    <message>
        <source>The image is damaged: a run of the BMP file&apos;s pixels goes past the end of its row.</source>
        <translation>Obraz jest uszkodzony: ciąg pikseli pliku BMP wychodzi poza koniec wiersza.</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started.</source>
        <translation>Nie można uruchomić dekodera JPEG.</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read (%1).</source>
        <translation>Obraz jest uszkodzony: nie można odczytać jego nagłówka (%1).</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model without a CMYK colour profile to convert it by. Convert it to RGB in an image editor first.</source>
        <translation>Obraz używa modelu kolorów CMYK, ale nie ma profilu kolorów CMYK, według którego można by go przekonwertować. Najpierw przekonwertuj go do RGB w edytorze grafiki.</translation>
    </message>
    <message>
        <source>The image is damaged, or no decoder for %1 images is installed</source>
        <translation>Obraz jest uszkodzony lub nie zainstalowano dekodera obrazów %1</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read</source>
        <translation>Obraz jest uszkodzony: nie można odczytać jego nagłówka</translation>
    </message>
    <message>
        <source>This image cannot be decoded at a reduced size.</source>
        <translation>Tego obrazu nie można zdekodować w zmniejszonym rozmiarze.</translation>
    </message>
    <message>
        <source>Only the header of the file was read.</source>
        <translation>Odczytano tylko nagłówek pliku.</translation>
    </message>
    <message>
        <source>The decode was stopped</source>
        <translation>Dekodowanie zostało przerwane</translation>
    </message>
    <message>
        <source>The image is damaged: its pixels do not match its size.</source>
        <translation>Obraz jest uszkodzony: jego piksele nie odpowiadają jego rozmiarowi.</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete</source>
        <translation>Obraz jest uszkodzony lub niekompletny</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Za mało pamięci, aby wczytać obraz (%1 x %2 pikseli).</translation>
    </message>
</context>
<context>
    <name>ImageLoader</name>
    <message>
        <source>Invalid Image File Selected</source>
        <translation>Wybrano nieprawidłowy plik obrazu</translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation>Wybrany obraz jest BARDZO mały. Jego wysokość i/lub szerokość jest mniejsza od minimalnego dopuszczalnego rozmiaru </translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation> pikseli. Wybierz większy obraz.  </translation>
    </message>
</context>
<context>
    <name>ImageObject</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Nie można utworzyć pliku: %1</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Nie można zapisać pliku: %1</translation>
    </message>
    <message>
        <source>The file could not be completed: %1</source>
        <translation>Nie można dokończyć zapisu pliku: %1</translation>
    </message>
    <message>
        <source>Text can only be drawn by the graphical application</source>
        <translation>Tekst można rysować tylko w aplikacji graficznej</translation>
    </message>
    <message>
        <source>Invalid font size %1</source>
        <translation>Nieprawidłowy rozmiar czcionki %1</translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation>Tablica pikseli jest pusta</translation>
    </message>
    <message>
        <source>An image of %1 x %2 pixels cannot be created</source>
        <translation>Nie można utworzyć obrazu o wymiarach %1 x %2 pikseli</translation>
    </message>
    <message>
        <source>There is no image to resample</source>
        <translation>Brak obrazu do przeskalowania</translation>
    </message>
    <message>
        <source>Invalid image size %1 x %2</source>
        <translation>Nieprawidłowy rozmiar obrazu %1 x %2</translation>
    </message>
    <message>
        <source>Not enough memory to resample the image</source>
        <translation>Za mało pamięci, aby przeskalować obraz</translation>
    </message>
    <message>
        <source>There is no image to rotate</source>
        <translation>Brak obrazu do obrócenia</translation>
    </message>
    <message>
        <source>Invalid rotation angle %1</source>
        <translation>Nieprawidłowy kąt obrotu %1</translation>
    </message>
    <message>
        <source>Not enough memory to rotate the image</source>
        <translation>Za mało pamięci, aby obrócić obraz</translation>
    </message>
    <message>
        <source>Invalid resolution %1</source>
        <translation>Nieprawidłowa rozdzielczość %1</translation>
    </message>
    <message>
        <source>Unknown image attribute</source>
        <translation>Nieznany atrybut obrazu</translation>
    </message>
    <message>
        <source>There is no image to save</source>
        <translation>Brak obrazu do zapisania</translation>
    </message>
    <message>
        <source>%1 is not an image file format</source>
        <translation>%1 nie jest formatem pliku obrazu</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Za mało pamięci na zakodowany obraz</translation>
    </message>
    <message>
        <source>The image could not be encoded: %1</source>
        <translation>Nie można zakodować obrazu: %1</translation>
    </message>
    <message>
        <source>There is no image to draw on</source>
        <translation>Brak obrazu, na którym można rysować</translation>
    </message>
    <message>
        <source>The image cannot be drawn on</source>
        <translation>Na tym obrazie nie można rysować</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation>Błąd inicjowania obiektu obrazu. Nie można kontynuować.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>The file is not a JPEG image</source>
        <translation>Plik nie jest obrazem JPEG</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started</source>
        <translation>Nie można uruchomić dekodera JPEG</translation>
    </message>
    <message>
        <source>The JPEG header is damaged: %1</source>
        <translation>Nagłówek JPEG jest uszkodzony: %1</translation>
    </message>
    <message>
        <source>CMYK JPEG images are not supported by this decoder</source>
        <translation>Ten dekoder nie obsługuje obrazów JPEG w modelu CMYK</translation>
    </message>
    <message>
        <source>The image is too large to load (%1 x %2 pixels)</source>
        <translation>Obraz jest za duży, aby go wczytać (%1 x %2 pikseli)</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels)</source>
        <translation>Za mało pamięci, aby wczytać obraz (%1 x %2 pikseli)</translation>
    </message>
    <message>
        <source>The JPEG image is damaged or incomplete: %1</source>
        <translation>Obraz JPEG jest uszkodzony lub niekompletny: %1</translation>
    </message>
    <message>
        <source>Not enough memory to load the image</source>
        <translation>Za mało pamięci, aby wczytać obraz</translation>
    </message>
    <message>
        <source>There is no image to encode</source>
        <translation>Brak obrazu do zakodowania</translation>
    </message>
    <message>
        <source>The JPEG encoder could not be started</source>
        <translation>Nie można uruchomić kodera JPEG</translation>
    </message>
    <message>
        <source>The image is too large to encode</source>
        <translation>Obraz jest za duży, aby go zakodować</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Za mało pamięci na zakodowany obraz</translation>
    </message>
    <message>
        <source>JPEG encoding failed: %1</source>
        <translation>Kodowanie JPEG nie powiodło się: %1</translation>
    </message>
</context>
<context>
    <name>PaperDialogTexts</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation>Ustal rozmiar wydruku kafelka</translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation>(1) Wybierz jednostki</translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation>(2) Wybierz rozmiar papieru</translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation>Wybierz rozmiar papieru (lub rozmiar niestandardowy)</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Szerokość:</translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation>Pełna szerokość papieru (z marginesami)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Wysokość:</translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation>Pełna wysokość papieru (z marginesami)</translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation>(3) Wybierz marginesy wydruków</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Margines górny:</translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation>Margines prawy:</translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation>Margines dolny:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Margines lewy:</translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation>Wybierz lub wpisz margines górny</translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation>Wybierz lub wpisz margines prawy</translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation>Wybierz lub wpisz margines dolny</translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation>Wybierz lub wpisz margines lewy</translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation>Lewy=prawy, górny=dolny</translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation>Wymuś równe marginesy lewy i prawy oraz górny i dolny</translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation>Druk bez obramowania (bez marginesów)</translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation>Ustaw wszystkie marginesy na zero (do druku bez obramowania)</translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation>Przywróć domyślne marginesy</translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation>Przywróć domyślne marginesy dla wybranego rozmiaru papieru</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Marginesy drukarki</translation>
    </message>
    <message>
        <source>Set the margins to what the printer &quot;%1&quot; cannot print at the edges of this paper</source>
        <translation>Ustaw marginesy na obszar, którego drukarka „%1” nie może zadrukować przy krawędziach tego papieru</translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation>(4) Wyniki:</translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation>Rozmiar PRZED odcięciem marginesów:</translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation>To jest pełny rozmiar papieru, z marginesami</translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation>Rozmiar PO odcięciu marginesów:</translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation>To jest rozmiar kafelka plakatu (rozmiar wydruku PO odcięciu marginesów)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation>Zaakceptuj bieżące wartości wydruku/marginesów</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation>Zaakceptuj bieżące wartości wydruku/marginesów i wróć do okna głównego</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation>Nie akceptuj bieżących wartości wydruku/marginesów</translation>
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
        <translation>Płótno</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Niestandardowy</translation>
    </message>
    <message>
        <source> (inches)</source>
        <translation> (cale)</translation>
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
        <translation>(Marginesy w MILIMETRACH)</translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation>(Marginesy w CALACH)</translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation>Wprowadzono nieprawidłowe wartości</translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation>Nieprawidłowa szerokość lub wysokość papieru</translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation>Nieprawidłowy rozmiar papieru – rozmiar jest za mały. Minimalny rozmiar to</translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation>Wprowadzono nieprawidłowe wartości marginesów wydruku.</translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation>Nieprawidłowa wartość marginesu – nie może być mniejsza od zera</translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation>Nieprawidłowe marginesy lewy/prawy. Razem są większe niż szerokość papieru.</translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation>Nieprawidłowe marginesy górny/dolny. Razem są większe niż wysokość papieru.</translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation>Rozmiar papieru za mały</translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation>Rozmiar papieru za duży</translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation>Papier/marginesy za małe</translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation>Papier/marginesy za duże</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation>Wprowadzono nieprawidłowy rozmiar papieru</translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation>Wybrano nieprawidłowy rozmiar marginesu</translation>
    </message>
</context>
<context>
    <name>PdfPosterWriter</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Nie można utworzyć pliku: %1</translation>
    </message>
    <message>
        <source>The PDF could not be started (%1)</source>
        <translation>Nie można rozpocząć tworzenia pliku PDF (%1)</translation>
    </message>
    <message>
        <source>The PDF is not open</source>
        <translation>Plik PDF nie jest otwarty</translation>
    </message>
    <message>
        <source>The colour profile is not an RGB profile</source>
        <translation>Profil kolorów nie jest profilem RGB</translation>
    </message>
    <message>
        <source>The colour profile could not be written (%1)</source>
        <translation>Nie można zapisać profilu kolorów (%1)</translation>
    </message>
    <message>
        <source>A page cannot be started here</source>
        <translation>Nie można tu rozpocząć strony</translation>
    </message>
    <message>
        <source>The page could not be made (%1)</source>
        <translation>Nie można utworzyć strony (%1)</translation>
    </message>
    <message>
        <source>No page to draw on</source>
        <translation>Brak strony, na której można rysować</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>Obraz jest pusty</translation>
    </message>
    <message>
        <source>The picture could not be written (%1)</source>
        <translation>Nie można zapisać obrazu (%1)</translation>
    </message>
    <message>
        <source>The text font is missing</source>
        <translation>Brak czcionki tekstu</translation>
    </message>
    <message>
        <source>The text could not be written (%1)</source>
        <translation>Nie można zapisać tekstu (%1)</translation>
    </message>
    <message>
        <source>No page to end</source>
        <translation>Brak strony do zakończenia</translation>
    </message>
    <message>
        <source>The page could not be written (%1)</source>
        <translation>Nie można zapisać strony (%1)</translation>
    </message>
    <message>
        <source>The PDF is not complete</source>
        <translation>Plik PDF nie jest kompletny</translation>
    </message>
    <message>
        <source>The PDF could not be completed (%1)</source>
        <translation>Nie można dokończyć pliku PDF (%1)</translation>
    </message>
    <message>
        <source>The PDF could not be saved: %1</source>
        <translation>Nie można zapisać pliku PDF: %1</translation>
    </message>
</context>
<context>
    <name>PosterArrangements</name>
    <message>
        <source>%1 wide</source>
        <translation>szerokość %1</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>wysokość %1</translation>
    </message>
    <message>
        <source>at most 1 sheet</source>
        <translation>najwyżej 1 arkusz</translation>
    </message>
    <message>
        <source>at most %1 sheets</source>
        <translation>liczba arkuszy najwyżej %1</translation>
    </message>
    <message>
        <source>the whole photo</source>
        <translation>całe zdjęcie</translation>
    </message>
    <message>
        <source>%1 x %2 sheets, %3</source>
        <translation>arkusze %1 x %2, %3</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>obrócone</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>nieobrócone</translation>
    </message>
    <message>
        <source>No arrangement reaches %1</source>
        <translation>Żaden układ nie spełnia warunków: %1</translation>
    </message>
</context>
<context>
    <name>PosterOverview</name>
    <message>
        <source>Poster overview</source>
        <translation>Schemat plakatu</translation>
    </message>
    <message>
        <source>Final size: %1</source>
        <translation>Rozmiar końcowy: %1</translation>
    </message>
    <message>
        <source>Paper: %1, %2 %3</source>
        <translation>Papier: %1, %2 %3</translation>
    </message>
    <message>
        <source>Sheets: %1, %2 across and %3 down</source>
        <translation>Arkusze: %1 (%2 w poziomie i %3 w pionie)</translation>
    </message>
    <message>
        <source>Overlap: %1 %2</source>
        <translation>Zakładka: %1 %2</translation>
    </message>
    <message>
        <source>Photo shown: %1</source>
        <translation>Widoczna część zdjęcia: %1</translation>
    </message>
    <message>
        <source>Print the sheets at 100% (actual size) on this paper; this page is not part of the poster.</source>
        <translation>Wydrukuj arkusze w skali 100% (w rzeczywistym rozmiarze) na tym papierze; ta strona nie jest częścią plakatu.</translation>
    </message>
    <message>
        <source>Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.</source>
        <translation>Ułóż arkusze tak, jak pokazano: A1 w lewym górnym rogu, A2 po jego prawej stronie, B1 pod nim.</translation>
    </message>
    <message>
        <source>The sheets print turned: the top of the poster is at each sheet&apos;s left edge. Turn every sheet a quarter turn clockwise before laying it out.</source>
        <translation>Arkusze są drukowane obrócone: góra plakatu znajduje się przy lewej krawędzi każdego arkusza. Przed ułożeniem obróć każdy arkusz o 90° w prawo (zgodnie z ruchem wskazówek zegara).</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: cut each along its cut line, lay it over the glue area of its neighbour so that the pictures match, and glue it there.</source>
        <translation>Arkusze po prawej i poniżej leżą na wierzchu: przytnij każdy wzdłuż jego linii cięcia, nałóż go na pole klejenia sąsiedniego arkusza tak, aby obrazy się zgadzały, i przyklej.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: trim off any margin on their left and top edges, lay them over the shared strip of their neighbour so that the pictures match, and glue them there.</source>
        <translation>Arkusze po prawej i poniżej leżą na wierzchu: odetnij ewentualny margines z ich lewej i górnej krawędzi, nałóż je na wspólny pas sąsiedniego arkusza tak, aby obrazy się zgadzały, i przyklej.</translation>
    </message>
    <message>
        <source>The sheets have no margins: butt them edge to edge.</source>
        <translation>Arkusze nie mają marginesów: ułóż je na styk, krawędź przy krawędzi.</translation>
    </message>
    <message>
        <source>Trim every sheet at its corner crop marks, where the picture ends, then butt the sheets edge to edge.</source>
        <translation>Przytnij każdy arkusz przy narożnych znacznikach cięcia, tam gdzie kończy się obraz, a następnie ułóż arkusze na styk.</translation>
    </message>
    <message>
        <source>Trim the margins off every sheet along the edge of the picture, then butt the sheets edge to edge.</source>
        <translation>Odetnij marginesy każdego arkusza wzdłuż krawędzi obrazu, a następnie ułóż arkusze na styk.</translation>
    </message>
    <message>
        <source>Start at A1 and work to the right and down; tape or glue the sheets to a backing board or the wall.</source>
        <translation>Zacznij od A1 i przechodź w prawo i w dół; przymocuj arkusze taśmą lub klejem do płyty podkładowej albo do ściany.</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milimetra</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>cala</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>The poster&apos;s sheets are %1, but the printer&apos;s paper is %2. Printed on it, every sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the poster would not line up.</source>
        <translation>Arkusze plakatu mają format %1, ale papier w drukarce ma format %2. Każdy wydrukowany na nim arkusz zostałby obcięty lub przesunięty, a Tessellon nigdy nie zmniejsza arkusza, aby go dopasować: części plakatu nie pasowałyby do siebie.</translation>
    </message>
    <message>
        <source>%1 x %2 mm, %3 x %4 in</source>
        <translation>%1 x %2 mm, %3 x %4 cala</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Błąd drukowania</translation>
    </message>
    <message>
        <source>Preparing the sheets for the printer</source>
        <translation>Przygotowywanie arkuszy dla drukarki</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Nie zainstalowano żadnej drukarki.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>Nie ma drukarki o nazwie „%1”.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no paper of %2.</source>
        <translation>Drukarka „%1” nie ma papieru w formacie %2.</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Marginesy drukarki</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or has an error; start it again (or choose another printer) and print once more. Nothing was sent.</source>
        <translation>Drukarka „%1” jest zatrzymana lub zgłasza błąd; uruchom ją ponownie (lub wybierz inną drukarkę) i drukuj jeszcze raz. Nic nie zostało wysłane.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the print job: %2</source>
        <translation>Drukarka „%1” odrzuciła zadanie drukowania: %2</translation>
    </message>
    <message>
        <source>The print job could not be started: %1</source>
        <translation>Nie można rozpocząć zadania drukowania: %1</translation>
    </message>
    <message>
        <source>The print job could not be handed to the printer.</source>
        <translation>Nie można przekazać zadania drukowania do drukarki.</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Wydrukowano</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Arkusze</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Printing canceled; nothing was sent to the printer.</source>
        <translation>Anulowano drukowanie; nic nie zostało wysłane do drukarki.</translation>
    </message>
    <message>
        <source>Paper Differs</source>
        <translation>Niezgodny papier</translation>
    </message>
    <message>
        <source>Print at actual size anyway (Yes), or go back to the print dialog (No)?</source>
        <translation>Drukować mimo to w rzeczywistym rozmiarze (Tak), czy wrócić do okna drukowania (Nie)?</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) sent to %1.</source>
        <translation>
            <numerusform>Wysłano %n stronę do drukarki %1.</numerusform>
            <numerusform>Wysłano %n strony do drukarki %1.</numerusform>
            <numerusform>Wysłano %n stron do drukarki %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Nieznany błąd</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>the old file cannot be kept</source>
        <translation>nie można zachować starego pliku</translation>
    </message>
    <message>
        <source>default</source>
        <translation>domyślny</translation>
    </message>
    <message>
        <source>Kodak photo lab default</source>
        <translation>Laboratorium foto Kodak – domyślny</translation>
    </message>
    <message>
        <source>Fuji photo lab default</source>
        <translation>Laboratorium foto Fuji – domyślny</translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation>Musi istnieć co najmniej jeden profil kalibracji krawędzi. Nie można usunąć jedynego profilu.</translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation>Nie można usunąć profilu</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation>Czy na pewno chcesz usunąć wybrany profil kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation>Usuń profil kalibracji krawędzi</translation>
    </message>
    <message>
        <source>A profile name can not contain a tab or a line break.  Please type the name on one line, without tabs.</source>
        <translation>Nazwa profilu nie może zawierać tabulatora ani podziału wiersza. Wpisz nazwę w jednym wierszu, bez tabulatorów.</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Nieprawidłowa nazwa profilu</translation>
    </message>
    <message>
        <source>You can not have more than 199 Edge Calibration Profiles.  Please delete a profile before you create a new one.</source>
        <translation>Nie można mieć więcej niż 199 profili kalibracji krawędzi. Usuń jakiś profil, zanim utworzysz nowy.</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Profile kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Your edge calibration profile file could not be read exactly as it was written.  The original file has been kept as:
%1</source>
        <translation>Nie udało się odczytać pliku profili kalibracji krawędzi dokładnie w takiej postaci, w jakiej został zapisany. Oryginalny plik zachowano jako:
%1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Przyczyna: %1</translation>
    </message>
    <message>
        <source>Your change to the edge calibration profiles could not be saved in:
%1
It is kept until Tessellon is closed.</source>
        <translation>Nie udało się zapisać zmiany profili kalibracji krawędzi w:
%1
Zmiana zostanie zachowana do zamknięcia programu Tessellon.</translation>
    </message>
    <message>
        <source>The application folder can not be written to.  Your edge calibration profiles are now stored in:
%1</source>
        <translation>Nie można zapisywać w folderze aplikacji. Profile kalibracji krawędzi są teraz przechowywane w:
%1</translation>
    </message>
    <message>
        <source>Can not create profile</source>
        <translation>Nie można utworzyć profilu</translation>
    </message>
</context>
<context>
    <name>QtPrintDialogService</name>
    <message>
        <source>Sheets</source>
        <translation>Arkusze</translation>
    </message>
    <message>
        <source>Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, such as B2 or 4-6. Empty: the whole poster, after its overview page.</source>
        <translation>Arkusze do wydrukowania, podane tak, jak są oznaczone (od A1 do %1), lub numerami od 1 do %2, np. B2 lub 4-6. Puste pole: cały plakat, poprzedzony stroną ze schematem.</translation>
    </message>
</context>
<context>
    <name>SaveTilesDefaults</name>
    <message>
        <source>poster</source>
        <translation>plakat</translation>
    </message>
    <message>
        <source>images</source>
        <translation>obrazy</translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation>Wybrano nieprawidłowy plik. Nie można kontynuować.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation>Nie można zapisać – nieprawidłowy typ pliku obrazu</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
</context>
<context>
    <name>SaveTilesOpening</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation>Nieprawidłowe informacje o obrazie/kafelkach. Nie można kontynuować.</translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation>Nie można kontynuować</translation>
    </message>
</context>
<context>
    <name>SaveTilesTexts</name>
    <message>
        <source>Could not create the folder</source>
        <translation>Nie można utworzyć folderu</translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation>na obrazy kafelków plakatu</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation>Możliwe przyczyny: brak uprawnień dostępu do wybranego dysku, zapełniony dysk lub nieprawidłowa nazwa folderu</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problem</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Przyczyna: %1</translation>
    </message>
    <message>
        <source>The folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>already exists</source>
        <translation>już istnieje.</translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation>Niektóre pliki mogą zostać zastąpione. Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>It will be replaced.  Do you want to continue?</source>
        <translation>Zostanie on zastąpiony. Czy chcesz kontynuować?</translation>
    </message>
    <message>
        <source>Could not create the file</source>
        <translation>Nie można utworzyć pliku</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the folder that you selected, the disk drive is full, or that you provided an invalid file name.</source>
        <translation>Możliwe przyczyny: brak uprawnień dostępu do wybranego folderu, zapełniony dysk lub nieprawidłowa nazwa pliku.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation>Błąd podczas obliczania współrzędnych kafelków</translation>
    </message>
    <message>
        <source>Error creating FileSystemObject - Windows component missing</source>
        <translation>Błąd tworzenia obiektu FileSystemObject – brak składnika systemu Windows</translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation>Nie można kontynuować</translation>
    </message>
    <message>
        <source>Error creating image object</source>
        <translation>Błąd tworzenia obiektu obrazu</translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation>Nie można kontynuować – wprowadzono nieprawidłowe rozmiary wydruku kafelków</translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation>Błąd podczas stosowania kompensacji obcinania krawędzi przez drukarkę</translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation>Brak miejsca na dysku</translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation>Za mało miejsca na wybranym dysku. Nie można zapisać obrazów.</translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Błąd zapisu pliku obrazu kafelka na dysk. Możliwą przyczyną jest zapełniony dysk. Nie można kontynuować.</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Anulowane przez użytkownika</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>Folder już istnieje</translation>
    </message>
    <message>
        <source>Saving Images Now</source>
        <translation>Zapisywanie obrazów</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Plik już istnieje</translation>
    </message>
    <message>
        <source>Error saving the PDF file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Błąd zapisu pliku PDF na dysk. Możliwą przyczyną jest zapełniony dysk. Nie można kontynuować.</translation>
    </message>
    <message>
        <source>poster</source>
        <translation>plakat</translation>
    </message>
    <message>
        <source>overview</source>
        <translation>schemat</translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation>Nie wybrano rozszerzenia pliku</translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation>Musisz wybrać lokalizację, w której zostanie utworzony nowy folder na obrazy kafelków plakatu</translation>
    </message>
    <message>
        <source>The base file name must not contain a folder separator (/ or \)</source>
        <translation>Podstawowa nazwa pliku nie może zawierać separatora folderów (/ lub \)</translation>
    </message>
    <message>
        <source>Error reading the source image</source>
        <translation>Błąd odczytu obrazu źródłowego</translation>
    </message>
    <message>
        <source>The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger image.</source>
        <translation>Kafelki byłyby mniejsze niż jeden piksel obrazu. Użyj mniejszej liczby kafelków, mniejszego powiększenia lub większego obrazu.</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Za mało pamięci</translation>
    </message>
    <message>
        <source>A tile of %1 x %2 pixels is too large for one JPEG picture (at most about %3 megapixels).  Use more tiles, or TIFF or BMP files.</source>
        <translation>Kafelek o wymiarach %1 x %2 pikseli jest za duży na jeden obraz JPEG (najwyżej około %3 megapikseli). Użyj większej liczby kafelków albo plików TIFF lub BMP.</translation>
    </message>
</context>
<context>
    <name>SheetNames</name>
    <message>
        <source>%1 of %2 × %3</source>
        <translation>%1 z %2 × %3</translation>
    </message>
</context>
<context>
    <name>SheetRange</name>
    <message>
        <source>No such sheet or range on a poster of %1 × %2 sheets: %3 (name sheets as they are labelled, A1 to %4, or number them 1 to %5)</source>
        <translation>Nie ma takiego arkusza ani zakresu na plakacie złożonym z %1 × %2 arkuszy: %3 (podawaj arkusze tak, jak są oznaczone, od A1 do %4, lub numerami od 1 do %5)</translation>
    </message>
</context>
<context>
    <name>SourceImage</name>
    <message>
        <source>The photo&apos;s file %1 has changed or is gone since it was opened. Open it again to use it as it is now.</source>
        <translation>Plik zdjęcia %1 został zmieniony lub usunięty od czasu jego otwarcia. Otwórz go ponownie, aby użyć go w obecnej postaci.</translation>
    </message>
</context>
<context>
    <name>StatusPictures</name>
    <message>
        <source>Choose a folder that holds your image</source>
        <translation>Wybierz folder, w którym jest obraz</translation>
    </message>
    <message>
        <source>Choose an image from the file list</source>
        <translation>Wybierz obraz z listy plików</translation>
    </message>
    <message>
        <source>This file could not be loaded</source>
        <translation>Nie można wczytać tego pliku</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Wczytywanie...</translation>
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
        <translation>Przejdź do folderu Dokumenty</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Pulpit</translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation>Przejdź do folderu Pulpit</translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation>Pokaż kafelki</translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation>Pokaż położenie kafelków plakatu</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Obróć</translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation>Obróć kafelki o 90 stopni</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Podgląd</translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation>Pokaż podgląd plakatu na pełnym ekranie</translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation>Obróć obraz o 90, 180 lub 270 stopni</translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation>Końcowy rozmiar plakatu</translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation>Megapiksele</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Dokumenty</translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation>Miliony pikseli obrazu użyte w plakacie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation>Końcowy rozmiar plakatu</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Rozdzielczość</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Jakość</translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation>Szacowana jakość obrazu plakatu</translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation>Rozdzielczość gotowego, wydrukowanego plakatu</translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation>Położenie kafelków</translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation>Wybierz, która część obrazu cyfrowego znajdzie się na plakacie</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>W pionie</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>W poziomie</translation>
    </message>
    <message>
        <source>(center)</source>
        <translation>(środek)</translation>
    </message>
    <message>
        <source>Horizontal centering of the poster Tiles</source>
        <translation>Wyśrodkowanie kafelków plakatu w poziomie</translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation>Wyśrodkowanie kafelków plakatu w pionie</translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation>Stopień powiększenia</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Powiększenie</translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation>Liczba kafelków</translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation>Kafelki w pionie = w poziomie</translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation>Wymuś taką samą liczbę kafelków w pionie jak w poziomie</translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation>Liczba kafelków plakatu w poziomie</translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation>Liczba kafelków plakatu w pionie</translation>
    </message>
    <message>
        <source>High</source>
        <translation>w pionie</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>w poziomie</translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation>Zapisz obrazy kafelków</translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation>Wygeneruj i zapisz teraz obrazy kafelków plakatu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Zakończ program</translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation>Rozmiar wydruku kafelka</translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation>Edytuj papier/marginesy</translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation>Koryguj krawędzie</translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation>Stosuj kompensację kalibracji krawędzi podczas generowania obrazów plakatu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation>Edytuj profile kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation>Wybierz aktywny profil kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Jednostki</translation>
    </message>
    <message>
        <source>Length units</source>
        <translation>Jednostki długości</translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation>Po przycięciu</translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation>Rozmiar kafelka po odcięciu marginesów</translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation>Pełny rozmiar papieru</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation>Rozmiar papieru, na którym drukowane są kafelki plakatu</translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation>Aktualnie wybrany obraz</translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation>Filtr listy plików</translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation>Przefiltrowana lista plików w wybranym folderze</translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation>Wybierz folder z obrazem, z którego chcesz zrobić plakat</translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation>Zmień bieżący dysk</translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation>Krok (4) - Kliknij, aby zapisać pliki kafelków</translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation>Krok (3) - Dopasuj kafelki, sprawdź wyniki</translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation>Krok (2) - Ustaw rozmiar wydruku kafelka</translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation>Krok (1) - Wybierz plik obrazu</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Narzędzia</translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation>Wybierz papier/marginesy...</translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation>Kalibracja krawędzi...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Spis treści...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>O programie...</translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation>Ta opcja kompensuje obcinanie krawędzi (odcinanie lewej, prawej, górnej lub dolnej krawędzi obrazu) przez drukarkę. Obcinanie krawędzi występuje głównie przy druku bez obramowania. Kliknij przycisk Edytuj, aby utworzyć lub zmienić profil kalibracji krawędzi dla swojej drukarki. Profil kalibracji krawędzi określa, ile drukarka obcina przy krawędziach (więcej informacji na ten temat znajdziesz w pomocy).</translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation>Kalibracja krawędzi – wprowadzenie</translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation>Nie wybrano obrazu. Wybierz obraz z listy plików</translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation>Nie wybrano obrazu</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>cała szerokość</translation>
    </message>
    <message>
        <source>center</source>
        <translation>środek</translation>
    </message>
    <message>
        <source>left</source>
        <translation>w lewo</translation>
    </message>
    <message>
        <source>right</source>
        <translation>w prawo</translation>
    </message>
    <message>
        <source>up</source>
        <translation>w górę</translation>
    </message>
    <message>
        <source>down</source>
        <translation>w dół</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>cala</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Doskonała</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Bardzo dobra</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Dobra</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Zadowalająca</translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation>Dobra z daleka</translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation>Zadowalająca z daleka</translation>
    </message>
    <message>
        <source>Invalid tile configuration</source>
        <translation>Nieprawidłowa konfiguracja kafelków</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Nieprawidłowe ustawienia</translation>
    </message>
    <message>
        <source>The help file</source>
        <translation>Plik pomocy</translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation>nie istnieje. Zainstaluj ten program ponownie.</translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation>Nie można znaleźć pliku pomocy</translation>
    </message>
    <message>
        <source>to</source>
        <translation>do</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milimetra</translation>
    </message>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation>Wprowadzono nieprawidłowy rozmiar wydruku kafelka</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Cale</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milimetry</translation>
    </message>
    <message>
        <source>full height</source>
        <translation>cała wysokość</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>pkt</translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation>Wprowadzono nieprawidłowe rozmiary wydruku kafelków. Szerokość i wysokość muszą mieścić się w zakresie od</translation>
    </message>
    <message>
        <source>About Tessellon</source>
        <translation>O programie Tessellon</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Informacje o systemie</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation>Ten program tworzy plakaty w jakości fotograficznej, o dowolnym rozmiarze i kształcie, z Twoich obrazów cyfrowych. Zawiera technologię kalibracji krawędzi, która mierzy i kompensuje właściwości Twojej drukarki.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation>Kliknij przycisk, aby utworzyć obraz testowy kalibracji krawędzi dla aktualnie wybranego rozmiaru wydruku. Obraz testowy będzie miał wzdłuż brzegów 4 linie (każda o szerokości 1/16 cala). Wydrukuj obraz testowy.   </translation>
    </message>
    <message>
        <source>inch</source>
        <translation>cala</translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation>Podgląd plakatu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation>Nieprawidłowe wartości rozmiaru wydruku</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Nieprawidłowe informacje</translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation>Wydruk testowy krawędzi</translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation>Wybierz, ile z 4 linii brzegowych widać przy każdej krawędzi wydruku testowego. Te informacje („profil kalibracji krawędzi”) program wykorzystuje do kompensowania obcinania przez drukarkę. </translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation>Dla wybranego profilu kalibracji krawędzi określa, ile z czterech linii testowych widać przy LEWEJ krawędzi wydruku testowego</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation>Dla wybranego profilu kalibracji krawędzi określa, ile z czterech linii testowych widać przy PRAWEJ krawędzi wydruku testowego</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation>Dla wybranego profilu kalibracji krawędzi określa, ile z czterech linii testowych widać przy GÓRNEJ krawędzi wydruku testowego</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation>Dla wybranego profilu kalibracji krawędzi określa, ile z czterech linii testowych widać przy DOLNEJ krawędzi wydruku testowego</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation>Pliki obrazów (*.jpg, *.tif, *.bmp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation>Tylko pliki JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation>Tylko pliki TIFF (*.tif)</translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation>Tylko pliki BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation>Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation>Bez obrotu</translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation>Obrót w prawo</translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation>Obrót w lewo</translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation>Obrót o 180°</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Zakładka:</translation>
    </message>
    <message>
        <source>Strip of the picture that neighbouring sheets share, for gluing (0 = sheets meet edge to edge)</source>
        <translation>Pas obrazu wspólny dla sąsiednich arkuszy, do klejenia (0 = arkusze stykają się krawędziami)</translation>
    </message>
    <message>
        <source>Invalid overlap.  It must lie between 0 and</source>
        <translation>Nieprawidłowa zakładka. Musi mieścić się w zakresie od 0 do</translation>
    </message>
    <message>
        <source>half the tile print size</source>
        <translation>połowy rozmiaru wydruku kafelka</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Zakładka</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Część zdjęcia</translation>
    </message>
    <message>
        <source>%1 % of the width, %2 % of the height</source>
        <translation>%1% szerokości, %2% wysokości</translation>
    </message>
    <message>
        <source>How much of your photo the poster keeps; the poster&apos;s shape and the zoom cut off the rest</source>
        <translation>Jaka część zdjęcia trafi na plakat; resztę odcinają kształt plakatu i powiększenie</translation>
    </message>
    <message>
        <source>Poster Size...</source>
        <translation>Rozmiar plakatu...</translation>
    </message>
    <message>
        <source>Find the tile counts and sheet turn for a poster size or a number of sheets</source>
        <translation>Znajdź liczbę kafelków i obrót arkuszy dla zadanego rozmiaru plakatu lub liczby arkuszy</translation>
    </message>
    <message>
        <source>Fit Photo</source>
        <translation>Dopasuj zdjęcie</translation>
    </message>
    <message>
        <source>With at most as many sheets as now, choose the tile counts and sheet turn that keep the most of the photo</source>
        <translation>Przy liczbie arkuszy nie większej niż obecna wybierz liczbę kafelków i obrót arkuszy, które zachowują największą część zdjęcia</translation>
    </message>
</context>
<context>
    <name>SysInfoWindow</name>
    <message>
        <source>System Information</source>
        <translation>Informacje o systemie</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Copy the system information to the clipboard</source>
        <translation>Kopiuj informacje o systemie do schowka</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>(unknown)</source>
        <translation>(nieznane)</translation>
    </message>
    <message>
        <source>Operating system: </source>
        <translation>System operacyjny: </translation>
    </message>
    <message>
        <source>Kernel: </source>
        <translation>Jądro: </translation>
    </message>
    <message>
        <source>CPU architecture: </source>
        <translation>Architektura procesora: </translation>
    </message>
    <message>
        <source>Built for: </source>
        <translation>Zbudowano dla: </translation>
    </message>
    <message>
        <source>Qt version: </source>
        <translation>Wersja Qt: </translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>The TIFF file could not be written</source>
        <translation>Nie można zapisać pliku TIFF</translation>
    </message>
</context>
<context>
    <name>TileSaver</name>
    <message>
        <source>The tile could not be turned</source>
        <translation>Nie można obrócić kafelka</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>inches</source>
        <translation>cale</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milimetry</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centymetry</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metry</translation>
    </message>
    <message>
        <source>a length such as 120cm, %1m, 1200mm or 47in; a bare number is in %2</source>
        <translation>długość, np. 120cm, %1m, 1200mm lub 47in; liczba bez jednostki oznacza %2</translation>
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
        <translation>Strona domowa</translation>
    </message>
    <message>
        <source>Visit the Tessellon home page</source>
        <translation>Odwiedź stronę domową programu Tessellon</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Pomoc techniczna</translation>
    </message>
    <message>
        <source>Questions, answers and help with Tessellon</source>
        <translation>Pytania, odpowiedzi i pomoc dotycząca programu Tessellon</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Kup</translation>
    </message>
    <message>
        <source>Buy a license for Tessellon</source>
        <translation>Kup licencję na program Tessellon</translation>
    </message>
    <message>
        <source>Copyright © Quillmark Software. All rights reserved.</source>
        <translation>Copyright © Quillmark Software. Wszelkie prawa zastrzeżone.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Informacje o systemie są obecnie niedostępne</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>&amp;Reload File List</source>
        <translation>Odśwież &amp;listę plików</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drukuj...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Print the poster&apos;s sheets, each at its exact size</source>
        <translation>Drukuj arkusze plakatu, każdy w dokładnym rozmiarze</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Plik %1 nie istnieje.</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Otwórz obraz</translation>
    </message>
    <message>
        <source>Paper...</source>
        <translation>Papier...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Widok</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Język</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Język &amp;systemowy</translation>
    </message>
</context>
<context>
    <name>tessellon::frmBtm</name>
    <message>
        <source>Edge Calibration</source>
        <translation>Kalibracja krawędzi</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Profile kalibracji krawędzi</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation>Utwórz nowy profil kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Zmień nazwę</translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation>Zmień nazwę wybranego profilu kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation>Usuń wybrany profil kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation>Zamknij okno kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation>Krok (1) Utwórz i wydrukuj obraz testowy</translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation>Utwórz obraz testowy kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drukuj...</translation>
    </message>
    <message>
        <source>Print the Edge Calibration test image at the tile print size on a printer</source>
        <translation>Wydrukuj na drukarce obraz testowy kalibracji krawędzi w rozmiarze wydruku kafelka</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>górna krawędź</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>prawa krawędź</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>dolna krawędź</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>lewa krawędź</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Lewy górny róg</translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>Wydruk testowy</translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation>Krok (2) Wprowadź dane profilu kalibracji krawędzi </translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation>Górna krawędź</translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation>Prawa krawędź</translation>
    </message>
    <message>
        <source>Bottom Edge</source>
        <translation>Dolna krawędź</translation>
    </message>
    <message>
        <source>Left Edge</source>
        <translation>Lewa krawędź</translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation>Ile drukarka obcina z krawędzi obrazów</translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation>Dane kalibracji krawędzi dla wybranego profilu kalibracji krawędzi</translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation>Ile drukarka obcina z każdej krawędzi</translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation>Wpisz nazwę nowego profilu</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nowy profil</translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation>Wpisz nową nazwę tego profilu kalibracji krawędzi</translation>
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
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsg</name>
    <message>
        <source>Saving</source>
        <translation>Zapisywanie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>canceling</source>
        <translation>Anulowanie</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsgboxYesNo</name>
    <message>
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>tessellon::frmPosterSize</name>
    <message>
        <source>Poster Size</source>
        <translation>Rozmiar plakatu</translation>
    </message>
    <message>
        <source>Give the poster&apos;s width, its height, both, or at most how many sheets, in %1 (or type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns that reach it with the current paper, margins, overlap and edge compensation, the closest first; zoom and centring stay as they are.</source>
        <translation>Podaj szerokość plakatu, jego wysokość, oba wymiary lub największą dopuszczalną liczbę arkuszy; jednostka: %1 (albo wpisz jednostkę: 120cm, 1,2m, 47in). Tessellon wyświetli liczby kafelków i obroty arkuszy, które to osiągają przy bieżącym papierze, marginesach, zakładce i kompensacji krawędzi, zaczynając od najbliższych; powiększenie i wyśrodkowanie pozostaną bez zmian.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Szerokość:</translation>
    </message>
    <message>
        <source>The poster at least this wide, in %1; empty for any width</source>
        <translation>Plakat co najmniej tak szeroki (jednostka: %1); puste pole: dowolna szerokość</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Wysokość:</translation>
    </message>
    <message>
        <source>The poster at least this high, in %1; empty for any height</source>
        <translation>Plakat co najmniej tak wysoki (jednostka: %1); puste pole: dowolna wysokość</translation>
    </message>
    <message>
        <source>At most &amp;sheets:</source>
        <translation>Maks. liczba &amp;arkuszy:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>dowolna liczba</translation>
    </message>
    <message>
        <source>Only arrangements of at most this many sheets</source>
        <translation>Tylko układy z co najwyżej taką liczbą arkuszy</translation>
    </message>
    <message>
        <source>The whole &amp;photo must show</source>
        <translation>&amp;Całe zdjęcie musi być widoczne</translation>
    </message>
    <message>
        <source>Only arrangements whose shape cuts at most 1 % off a side of the photo</source>
        <translation>Tylko układy, których kształt odcina najwyżej 1% zdjęcia z boku</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Kafelki</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Arkusze</translation>
    </message>
    <message>
        <source>Final size</source>
        <translation>Rozmiar końcowy</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Część zdjęcia</translation>
    </message>
    <message>
        <source>Best first: the closest to the size asked, then the one that keeps most of the photo, then the fewest sheets</source>
        <translation>Najlepsze na początku: najbliższe zadanemu rozmiarowi, potem zachowujące największą część zdjęcia, potem z najmniejszą liczbą arkuszy</translation>
    </message>
    <message>
        <source>&amp;Use This</source>
        <translation>&amp;Zastosuj</translation>
    </message>
    <message>
        <source>Set the tile counts and the sheet turn of the chosen arrangement</source>
        <translation>Ustaw liczbę kafelków i obrót arkuszy wybranego układu</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>%1 is no length: give %2.</source>
        <translation>Nieprawidłowa %1: podaj %2.</translation>
    </message>
    <message>
        <source>The width</source>
        <translation>szerokość</translation>
    </message>
    <message>
        <source>The height</source>
        <translation>wysokość</translation>
    </message>
    <message>
        <source>Give a width, a height or a number of sheets.</source>
        <translation>Podaj szerokość, wysokość lub liczbę arkuszy.</translation>
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
        <translation>obrócone</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>nieobrócone</translation>
    </message>
    <message>
        <source>%1 arrangements reach it; the best %2 are listed.</source>
        <translation>Pasujące układy: %1; wyświetlono %2 najlepszych.</translation>
    </message>
    <message>
        <source>1 arrangement reaches it.</source>
        <translation>Pasuje 1 układ.</translation>
    </message>
    <message>
        <source>%1 arrangements reach it.</source>
        <translation>Pasujące układy: %1.</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSaveTiles</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation>Zapisz pliki obrazów plakatu</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Typ pliku</translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation>Format, w którym zostaną zapisane obrazy kafelków plakatu</translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation>Ustawienia zapisu</translation>
    </message>
    <message>
        <source>Base Filename</source>
        <translation>Podstawowa nazwa pliku</translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation>Podstawa nazw plików z obrazami kafelków plakatu</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Nazwa nowego folderu</translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation>Nazwa nowego folderu, który zostanie utworzony na obrazy kafelków plakatu</translation>
    </message>
    <message>
        <source>Assembly Aids</source>
        <translation>Pomoce do składania</translation>
    </message>
    <message>
        <source>Sheet names (A1, A2, ...)</source>
        <translation>Nazwy arkuszy (A1, A2, ...)</translation>
    </message>
    <message>
        <source>PDF: print each sheet&apos;s name and the poster&apos;s layout where no picture shows</source>
        <translation>PDF: drukuj nazwę każdego arkusza i układ plakatu tam, gdzie nie ma obrazu</translation>
    </message>
    <message>
        <source>Cut and glue marks</source>
        <translation>Znaczniki cięcia i klejenia</translation>
    </message>
    <message>
        <source>PDF: mark where overlapping sheets are cut and glued, or the picture&apos;s corners when the sheets do not overlap</source>
        <translation>PDF: zaznacz, gdzie zachodzące na siebie arkusze należy przyciąć i skleić, a gdy arkusze nie zachodzą na siebie – narożniki obrazu</translation>
    </message>
    <message>
        <source>Overview page</source>
        <translation>Strona ze schematem</translation>
    </message>
    <message>
        <source>PDF: a first page with the whole poster, its sheets and how to put them together</source>
        <translation>PDF: pierwsza strona z całym plakatem, jego arkuszami i instrukcją ich składania</translation>
    </message>
    <message>
        <source>Overview image</source>
        <translation>Obraz ze schematem</translation>
    </message>
    <message>
        <source>Image files: also save a picture of the whole poster with its sheets and their names beside the tiles</source>
        <translation>Pliki obrazów: zapisz obok kafelków także obraz całego plakatu z arkuszami i ich nazwami</translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation>Lokalizacja nowego folderu</translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation>Wybierz bieżący dysk</translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation>Wybierz folder, w którym zostanie utworzony nowy podfolder na obrazy kafelków plakatu</translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation>Pliki zostaną zapisane w</translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation>Krok (1) Wybierz ustawienia plików obrazów plakatu</translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation>Krok (2) Kliknij, aby zapisać pliki</translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation>Zapisz obrazy</translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation>Kliknij tutaj, aby wygenerować i zapisać teraz obrazy kafelków plakatu</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation>Zamknij to okno bez generowania i zapisywania obrazów kafelków plakatu</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSimpleMsg</name>
    <message>
        <source>Finished</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation>Obrazy zostały zapisane</translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation>Obrazy plakatu zostały zapisane i są gotowe do wydrukowania. Znajdują się w następującym folderze:</translation>
    </message>
    <message>
        <source>Poster Saved Successfully</source>
        <translation>Plakat został zapisany</translation>
    </message>
    <message>
        <source>Your poster was saved successfully and is now ready for you to print at actual size (100 %).  It is the following file:</source>
        <translation>Plakat został zapisany i jest gotowy do wydrukowania w rzeczywistym rozmiarze (100%). Jest to następujący plik:</translation>
    </message>
</context>
</TS>
