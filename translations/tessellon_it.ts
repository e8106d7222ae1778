<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BmpCodec</name>
    <message>
        <source>The BMP file could not be written</source>
        <translation>Impossibile scrivere il file BMP</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file</source>
        <translation>L&apos;immagine è troppo grande per un file BMP</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Memoria insufficiente per l&apos;immagine codificata</translation>
    </message>
</context>
<context>
    <name>ClipAmount</name>
    <message>
        <source>None of the image is clipped</source>
        <translation>Nessuna parte dell&apos;immagine viene tagliata</translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation>La stampante taglia</translation>
    </message>
    <message>
        <source>of image</source>
        <translation>dell&apos;immagine</translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation>Si vedono tutte e 4 le strisce</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Si vedono</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>strisce</translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation>Non si vede nessuna striscia</translation>
    </message>
</context>
<context>
    <name>CmykConverter</name>
    <message>
        <source>The image&apos;s CMYK colour profile cannot be used.</source>
        <translation>Impossibile usare il profilo colore CMYK dell&apos;immagine.</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Memoria insufficiente per caricare l&apos;immagine (%1 x %2 pixel).</translation>
    </message>
</context>
<context>
    <name>EdgeTestTargetTexts</name>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation>Le dimensioni di stampa personalizzate inserite non sono valide.  Altezza e larghezza devono essere entrambe comprese tra</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation>pollici.  Inserire valori validi nella sezione</translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation>della finestra principale</translation>
    </message>
    <message>
        <source>A</source>
        <translation>Verrà ora creata un&apos;immagine di prova di</translation>
    </message>
    <message>
        <source>high</source>
        <translation>di altezza</translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation>di larghezza</translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation>Lungo ogni bordo dell&apos;immagine verranno stampate 4 strisce colorate.  Ogni striscia misura</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>in larghezza</translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation>Per verificare quanto la stampante taglia da ogni bordo, procedere come segue</translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation>Quando richiesto, salvare l&apos;immagine sul disco</translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation>Stampare l&apos;immagine con la stampante</translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation>Contare quante delle 4 strisce colorate sono visibili su ogni bordo della stampa e inserire queste informazioni nella finestra di dialogo qui sotto.</translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation>Fare clic su OK per continuare o su Annulla per uscire</translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation>Crea immagine di prova</translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation>Errore durante il salvataggio dell&apos;immagine su disco</translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation>Errore durante l&apos;aggiunta del testo alla stampa di prova dei bordi</translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation>Immagine salvata correttamente su disco.</translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation>Passaggi successivi</translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation>Stampare questa immagine</translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation>con la stessa stampante, la stessa carta e le stesse impostazioni di stampa che</translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation>si useranno per stampare le immagini del poster</translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation>Contare il numero di strisce visibili lungo ogni bordo della stampa di prova ottenuta.</translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation>Assicurarsi di aver selezionato il profilo di calibrazione dei bordi che si desidera modificare.</translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation>Con i quattro elenchi a discesa qui sotto, indicare quante strisce sono visibili su ogni bordo della stampa (in questo modo il programma sa quanto la stampante taglia da ogni bordo delle stampe).</translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation>Dimensioni di stampa non valide</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation>Creazione dell&apos;immagine di prova annullata</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation>Nome file dell&apos;immagine non valido.  L&apos;immagine deve essere salvata come file bmp, tif o jpg</translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation>Tipo di file non valido</translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation>Creazione dell&apos;immagine di prova completata</translation>
    </message>
    <message>
        <source>Invalid test image size</source>
        <translation>Dimensioni dell&apos;immagine di prova non valide</translation>
    </message>
    <message>
        <source>No pixels to draw the stripes on</source>
        <translation>Nessun pixel su cui disegnare le strisce</translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation>Salva immagine di prova</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>PNG and WebP Files (*.png, *.webp)</source>
        <translation>File PNG e WebP (*.png, *.webp)</translation>
    </message>
    <message>
        <source>All Supported Images (%1)</source>
        <translation>Tutte le immagini supportate (%1)</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Unità non valida</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>Impossibile accedere all&apos;unità scelta.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Could not determine the location of the %1 folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>Impossibile determinare la posizione della cartella %1.  Raggiungerla manualmente con l&apos;elenco delle cartelle qui sotto.</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>è una named pipe (FIFO), non un file normale</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>è un dispositivo, non un file normale</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>è un socket, non un file normale</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>a link of that name cannot be removed (%1)</source>
        <translation>impossibile rimuovere un collegamento con questo nome (%1)</translation>
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
        <translation> - Guida</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
</context>
<context>
    <name>ImageFileReader</name>
    <message>
        <source>No decoder for this file&apos;s images is installed (libheif: %1).</source>
        <translation>Non è installato alcun decoder per le immagini di questo file (libheif: %1).</translation>
    </message>
    <message>
        <source>The image is too large for the HEIF decoder (%1).</source>
        <translation>L&apos;immagine è troppo grande per il decoder HEIF (%1).</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete: %1.</source>
        <translation>L&apos;immagine è danneggiata o incompleta: %1.</translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation>Memoria insufficiente per leggere il file.</translation>
    </message>
    <message>
        <source>No decoder for %1 images is installed.</source>
        <translation>Non è installato alcun decoder per le immagini %1.</translation>
    </message>
    <message>
        <source>The image is damaged: it decodes to no pixels.</source>
        <translation>L&apos;immagine è danneggiata: la decodifica non produce alcun pixel.</translation>
    </message>
    <message>
        <source>Not enough memory to turn the image upright</source>
        <translation>Memoria insufficiente per raddrizzare l&apos;immagine</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model, which Tessellon converts for JPEG files only. Convert it to RGB in an image editor first.</source>
        <translation>L&apos;immagine usa il modello di colore CMYK, che Tessellon converte solo per i file JPEG. Convertirla prima in RGB con un programma di fotoritocco.</translation>
    </message>
    <message>
        <source>The image is damaged: its colour table (palette) is missing.</source>
        <translation>L&apos;immagine è danneggiata: manca la tabella dei colori (tavolozza).</translation>
    </message>
    <message>
        <source>This is a folder, not an image file.</source>
        <translation>Questa è una cartella, non un file immagine.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Il file non esiste.</translation>
    </message>
    <message>
        <source>Its name holds bytes that are not UTF-8 text, so it cannot be named exactly; rename the file.</source>
        <translation>Il nome contiene byte che non sono testo UTF-8, quindi non può essere indicato con esattezza; rinominare il file.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Impossibile aprire il file: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Il file è vuoto.</translation>
    </message>
    <message>
        <source>The file is too large for this computer&apos;s memory (%1 MB; Tessellon uses at most %2 MB for one image).</source>
        <translation>Il file è troppo grande per la memoria di questo computer (%1 MB; Tessellon usa al massimo %2 MB per un&apos;immagine).</translation>
    </message>
    <message>
        <source>The file became shorter while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Il file si è accorciato durante la lettura (potrebbe essere ancora in fase di scrittura o di copia). Riprovare quando sarà completo.</translation>
    </message>
    <message>
        <source>The file changed while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Il file è cambiato durante la lettura (potrebbe essere ancora in fase di scrittura o di copia). Riprovare quando sarà completo.</translation>
    </message>
    <message>
        <source>This is not an image file that Tessellon can open (%1).</source>
        <translation>Questo non è un file immagine che Tessellon può aprire (%1).</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name has no extension.</source>
        <translation>Il file contiene un&apos;immagine %1, ma il nome non ha estensione.</translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name ends in &quot;.%2&quot;.</source>
        <translation>Il file contiene un&apos;immagine %1, ma il nome termina con &quot;.%2&quot;.</translation>
    </message>
    <message>
        <source>Rename it to end in %1.</source>
        <translation>Rinominarlo in modo che termini con %1.</translation>
    </message>
    <message>
        <source>The image is damaged: its header gives no picture size.</source>
        <translation>L&apos;immagine è danneggiata: l&apos;intestazione non indica le dimensioni dell&apos;immagine.</translation>
    </message>
    <message>
        <source>The image is too large for this computer&apos;s memory: %1 x %2 pixels need %3 MB, and Tessellon uses at most %4 MB for one image.</source>
        <translation>L&apos;immagine è troppo grande per la memoria di questo computer: %1 x %2 pixel richiedono %3 MB e Tessellon usa al massimo %4 MB per un&apos;immagine.</translation>
    </message>
    <message>
        <source>The image is damaged: the file is far too small (%1 KB) for the %2 x %3 pixels it claims.</source>
        <translation>L&apos;immagine è danneggiata: il file è decisamente troppo piccolo (%1 KB) per i %2 x %3 pixel dichiarati.</translation>
    </message>
    <message>
        <source>The image is damaged: part of the BMP file&apos;s pixel data is missing.</source>
        <translation>L&apos;immagine è danneggiata: manca una parte dei dati dei pixel del file BMP.</translation>
    </message>
    <message>
        <source>The image is damaged: the BMP file&apos;s colour masks are not valid.</source>
        <translation>L&apos;immagine è danneggiata: le maschere di colore del file BMP non sono valide.</translation>
    </message>
    <message>
        <source>The image is damaged: a run of the BMP file&apos;s pixels goes past the end of its row.</source>
        <translation>L&apos;immagine è danneggiata: una sequenza di pixel del file BMP va oltre la fine della riga.</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started.</source>
        <translation>Impossibile avviare il decoder JPEG.</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read (%1).</source>
        <translation>L&apos;immagine è danneggiata: impossibile leggere l&apos;intestazione (%1).</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model without a CMYK colour profile to convert it by. Convert it to RGB in an image editor first.</source>
        <translation>L&apos;immagine usa il modello di colore CMYK senza un profilo colore CMYK con cui convertirla. Convertirla prima in RGB con un programma di fotoritocco.</translation>
    </message>
    <message>
        <source>The image is damaged, or no decoder for %1 images is installed</source>
        <translation>L&apos;immagine è danneggiata oppure non è installato alcun decoder per le immagini %1</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read</source>
        <translation>L&apos;immagine è danneggiata: impossibile leggere l&apos;intestazione</translation>
    </message>
    <message>
        <source>This image cannot be decoded at a reduced size.</source>
        <translation>Questa immagine non può essere decodificata a dimensioni ridotte.</translation>
    </message>
    <message>
        <source>Only the header of the file was read.</source>
        <translation>È stata letta solo l&apos;intestazione del file.</translation>
    </message>
    <message>
        <source>The decode was stopped</source>
        <translation>La decodifica è stata interrotta</translation>
    </message>
    <message>
        <source>The image is damaged: its pixels do not match its size.</source>
        <translation>L&apos;immagine è danneggiata: i pixel non corrispondono alle sue dimensioni.</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete</source>
        <translation>L&apos;immagine è danneggiata o incompleta</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Memoria insufficiente per caricare l&apos;immagine (%1 x %2 pixel).</translation>
    </message>
</context>
<context>
    <name>ImageLoader</name>
    <message>
        <source>Invalid Image File Selected</source>
        <translation>File immagine selezionato non valido</translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation>L&apos;immagine selezionata è ESTREMAMENTE piccola.  La sua altezza e/o larghezza è inferiore alla dimensione minima consentita di </translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation> pixel.  Selezionare un&apos;immagine più grande.  </translation>
    </message>
</context>
<context>
    <name>ImageObject</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Impossibile creare il file: %1</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Impossibile scrivere il file: %1</translation>
    </message>
    <message>
        <source>The file could not be completed: %1</source>
        <translation>Impossibile completare il file: %1</translation>
    </message>
    <message>
        <source>Text can only be drawn by the graphical application</source>
        <translation>Il testo può essere disegnato solo dall&apos;applicazione grafica</translation>
    </message>
    <message>
        <source>Invalid font size %1</source>
        <translation>Dimensione del carattere non valida: %1</translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation>La matrice di pixel è vuota</translation>
    </message>
    <message>
        <source>An image of %1 x %2 pixels cannot be created</source>
        <translation>Impossibile creare un&apos;immagine di %1 x %2 pixel</translation>
    </message>
    <message>
        <source>There is no image to resample</source>
        <translation>Nessuna immagine da ricampionare</translation>
    </message>
    <message>
        <source>Invalid image size %1 x %2</source>
        <translation>Dimensioni dell&apos;immagine non valide: %1 x %2</translation>
    </message>
    <message>
        <source>Not enough memory to resample the image</source>
        <translation>Memoria insufficiente per ricampionare l&apos;immagine</translation>
    </message>
    <message>
        <source>There is no image to rotate</source>
        <translation>Nessuna immagine da ruotare</translation>
    </message>
    <message>
        <source>Invalid rotation angle %1</source>
        <translation>Angolo di rotazione non valido: %1</translation>
    </message>
    <message>
        <source>Not enough memory to rotate the image</source>
        <translation>Memoria insufficiente per ruotare l&apos;immagine</translation>
    </message>
    <message>
        <source>Invalid resolution %1</source>
        <translation>Risoluzione non valida: %1</translation>
    </message>
    <message>
        <source>Unknown image attribute</source>
        <translation>Attributo dell&apos;immagine sconosciuto</translation>
    </message>
    <message>
        <source>There is no image to save</source>
        <translation>Nessuna immagine da salvare</translation>
    </message>
    <message>
        <source>%1 is not an image file format</source>
        <translation>%1 non è un formato di file immagine</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Memoria insufficiente per l&apos;immagine codificata</translation>
    </message>
    <message>
        <source>The image could not be encoded: %1</source>
        <translation>Impossibile codificare l&apos;immagine: %1</translation>
    </message>
    <message>
        <source>There is no image to draw on</source>
        <translation>Nessuna immagine su cui disegnare</translation>
    </message>
    <message>
        <source>The image cannot be drawn on</source>
        <translation>Impossibile disegnare sull&apos;immagine</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation>Errore durante l&apos;inizializzazione dell&apos;oggetto immagine.  Impossibile continuare.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>The file is not a JPEG image</source>
        <translation>Il file non è un&apos;immagine JPEG</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started</source>
        <translation>Impossibile avviare il decoder JPEG</translation>
    </message>
    <message>
        <source>The JPEG header is damaged: %1</source>
        <translation>L&apos;intestazione JPEG è danneggiata: %1</translation>
    </message>
    <message>
        <source>CMYK JPEG images are not supported by this decoder</source>
        <translation>Questo decoder non supporta le immagini JPEG CMYK</translation>
    </message>
    <message>
        <source>The image is too large to load (%1 x %2 pixels)</source>
        <translation>L&apos;immagine è troppo grande per essere caricata (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels)</source>
        <translation>Memoria insufficiente per caricare l&apos;immagine (%1 x %2 pixel)</translation>
    </message>
    <message>
        <source>The JPEG image is damaged or incomplete: %1</source>
        <translation>L&apos;immagine JPEG è danneggiata o incompleta: %1</translation>
    </message>
    <message>
        <source>Not enough memory to load the image</source>
        <translation>Memoria insufficiente per caricare l&apos;immagine</translation>
    </message>
    <message>
        <source>There is no image to encode</source>
        <translation>Nessuna immagine da codificare</translation>
    </message>
    <message>
        <source>The JPEG encoder could not be started</source>
        <translation>Impossibile avviare l&apos;encoder JPEG</translation>
    </message>
    <message>
        <source>The image is too large to encode</source>
        <translation>L&apos;immagine è troppo grande per essere codificata</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Memoria insufficiente per l&apos;immagine codificata</translation>
    </message>
    <message>
        <source>JPEG encoding failed: %1</source>
        <translation>Codifica JPEG non riuscita: %1</translation>
    </message>
</context>
<context>
    <name>PaperDialogTexts</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation>Dimensioni di stampa dei riquadri</translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation>(1) Seleziona le unità</translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation>(2) Seleziona il formato carta</translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation>Scegli il formato carta (o seleziona Personalizzato)</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Larghezza:</translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation>Larghezza totale del foglio (margini inclusi)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation>Altezza totale del foglio (margini inclusi)</translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation>(3) Seleziona i margini di stampa</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Margine superiore:</translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation>Margine destro:</translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation>Margine inferiore:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Margine sinistro:</translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation>Seleziona o digita il margine superiore</translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation>Seleziona o digita il margine destro</translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation>Seleziona o digita il margine inferiore</translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation>Seleziona o digita il margine sinistro</translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation>Sinistro=Destro, Superiore=Inferiore</translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation>Rende uguali i margini sinistro/destro e superiore/inferiore</translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation>Senza bordi (nessun margine)</translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation>Imposta a zero tutti i margini (per le stampe senza bordi)</translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation>Ripristina i margini predefiniti</translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation>Ripristina i margini predefiniti per il formato carta selezionato</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Margini della stampante</translation>
    </message>
    <message>
        <source>Set the margins to what the printer &quot;%1&quot; cannot print at the edges of this paper</source>
        <translation>Imposta i margini sull&apos;area che la stampante &quot;%1&quot; non può stampare ai bordi di questa carta</translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation>(4) Risultati:</translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation>Dimensioni PRIMA di rifilare i margini:</translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation>Dimensioni totali del foglio, margini inclusi</translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation>Dimensioni DOPO aver rifilato i margini:</translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation>Dimensioni del riquadro del poster (dimensioni di stampa DOPO aver rifilato i margini)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation>Accetta i valori attuali di stampa e margini</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation>Accetta i valori attuali di stampa e margini e torna alla finestra principale</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation>Non accettare i valori attuali di stampa e margini</translation>
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
        <translation>Lettera</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legale</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Tela</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizzato</translation>
    </message>
    <message>
        <source> (inches)</source>
        <translation> (pollici)</translation>
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
        <translation>(Margini in MILLIMETRI)</translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation>(Margini in POLLICI)</translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation>Valori inseriti non validi</translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation>Larghezza o altezza della carta non valida</translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation>Formato carta non valido: troppo piccolo.  La dimensione minima è</translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation>I valori inseriti per i margini di stampa non sono validi.</translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation>Valore del margine non valido: non può essere minore di zero</translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation>Margini sinistro/destro non validi.  Insieme superano la larghezza della carta.</translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation>Margini superiore/inferiore non validi.  Insieme superano l&apos;altezza della carta.</translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation>Formato carta troppo piccolo</translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation>Formato carta troppo grande</translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation>Carta/margini troppo piccoli</translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation>Carta/margini troppo grandi</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation>Formato carta inserito non valido</translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation>Margini selezionati non validi</translation>
    </message>
</context>
<context>
    <name>PdfPosterWriter</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Impossibile creare il file: %1</translation>
    </message>
    <message>
        <source>The PDF could not be started (%1)</source>
        <translation>Impossibile avviare il PDF (%1)</translation>
    </message>
    <message>
        <source>The PDF is not open</source>
        <translation>Il PDF non è aperto</translation>
    </message>
    <message>
        <source>The colour profile is not an RGB profile</source>
        <translation>Il profilo colore non è un profilo RGB</translation>
    </message>
    <message>
        <source>The colour profile could not be written (%1)</source>
        <translation>Impossibile scrivere il profilo colore (%1)</translation>
    </message>
    <message>
        <source>A page cannot be started here</source>
        <translation>Impossibile iniziare una pagina in questo punto</translation>
    </message>
    <message>
        <source>The page could not be made (%1)</source>
        <translation>Impossibile creare la pagina (%1)</translation>
    </message>
    <message>
        <source>No page to draw on</source>
        <translation>Nessuna pagina su cui disegnare</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>L&apos;immagine è vuota</translation>
    </message>
    <message>
        <source>The picture could not be written (%1)</source>
        <translation>Impossibile scrivere l&apos;immagine (%1)</translation>
    </message>
    <message>
        <source>The text font is missing</source>
        <translation>Manca il carattere per il testo</translation>
    </message>
    <message>
        <source>The text could not be written (%1)</source>
        <translation>Impossibile scrivere il testo (%1)</translation>
    </message>
    <message>
        <source>No page to end</source>
        <translation>Nessuna pagina da chiudere</translation>
    </message>
    <message>
        <source>The page could not be written (%1)</source>
        <translation>Impossibile scrivere la pagina (%1)</translation>
    </message>
    <message>
        <source>The PDF is not complete</source>
        <translation>Il PDF non è completo</translation>
    </message>
    <message>
        <source>The PDF could not be completed (%1)</source>
        <translation>Impossibile completare il PDF (%1)</translation>
    </message>
    <message>
        <source>The PDF could not be saved: %1</source>
        <translation>Impossibile salvare il PDF: %1</translation>
    </message>
</context>
<context>
    <name>PosterArrangements</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 di larghezza</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 di altezza</translation>
    </message>
    <message>
        <source>at most 1 sheet</source>
        <translation>al massimo 1 foglio</translation>
    </message>
    <message>
        <source>at most %1 sheets</source>
        <translation>al massimo %1 fogli</translation>
    </message>
    <message>
        <source>the whole photo</source>
        <translation>tutta la foto</translation>
    </message>
    <message>
        <source>%1 x %2 sheets, %3</source>
        <translation>%1 x %2 fogli, %3</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>ruotati</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>non ruotati</translation>
    </message>
    <message>
        <source>No arrangement reaches %1</source>
        <translation>Nessuna disposizione soddisfa la richiesta: %1</translation>
    </message>
</context>
<context>
    <name>PosterOverview</name>
    <message>
        <source>Poster overview</source>
        <translation>Riepilogo del poster</translation>
    </message>
    <message>
        <source>Final size: %1</source>
        <translation>Dimensioni finali: %1</translation>
    </message>
    <message>
        <source>Paper: %1, %2 %3</source>
        <translation>Carta: %1, %2 %3</translation>
    </message>
    <message>
        <source>Sheets: %1, %2 across and %3 down</source>
        <translation>Fogli: %1, %2 in orizzontale e %3 in verticale</translation>
    </message>
    <message>
        <source>Overlap: %1 %2</source>
        <translation>Sovrapposizione: %1 %2</translation>
    </message>
    <message>
        <source>Photo shown: %1</source>
        <translation>Foto mostrata: %1</translation>
    </message>
    <message>
        <source>Print the sheets at 100% (actual size) on this paper; this page is not part of the poster.</source>
        <translation>Stampare i fogli al 100% (grandezza reale) su questa carta; questa pagina non fa parte del poster.</translation>
    </message>
    <message>
        <source>Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.</source>
        <translation>Disporre i fogli come mostrato: A1 in alto a sinistra, A2 alla sua destra, B1 sotto di esso.</translation>
    </message>
    <message>
        <source>The sheets print turned: the top of the poster is at each sheet&apos;s left edge. Turn every sheet a quarter turn clockwise before laying it out.</source>
        <translation>I fogli vengono stampati ruotati: il lato superiore del poster si trova sul bordo sinistro di ogni foglio. Ruotare ogni foglio di un quarto di giro in senso orario prima di disporlo.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: cut each along its cut line, lay it over the glue area of its neighbour so that the pictures match, and glue it there.</source>
        <translation>I fogli a destra e in basso vanno sopra: tagliare ciascuno lungo la sua linea di taglio, sovrapporlo all&apos;area di incollaggio del foglio vicino in modo che le immagini combacino e incollarlo.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: trim off any margin on their left and top edges, lay them over the shared strip of their neighbour so that the pictures match, and glue them there.</source>
        <translation>I fogli a destra e in basso vanno sopra: rifilare gli eventuali margini sui bordi sinistro e superiore, sovrapporli alla striscia condivisa del foglio vicino in modo che le immagini combacino e incollarli.</translation>
    </message>
    <message>
        <source>The sheets have no margins: butt them edge to edge.</source>
        <translation>I fogli non hanno margini: accostarli bordo a bordo.</translation>
    </message>
    <message>
        <source>Trim every sheet at its corner crop marks, where the picture ends, then butt the sheets edge to edge.</source>
        <translation>Rifilare ogni foglio in corrispondenza dei segni di taglio agli angoli, dove finisce l&apos;immagine, poi accostare i fogli bordo a bordo.</translation>
    </message>
    <message>
        <source>Trim the margins off every sheet along the edge of the picture, then butt the sheets edge to edge.</source>
        <translation>Rifilare i margini di ogni foglio lungo il bordo dell&apos;immagine, poi accostare i fogli bordo a bordo.</translation>
    </message>
    <message>
        <source>Start at A1 and work to the right and down; tape or glue the sheets to a backing board or the wall.</source>
        <translation>Iniziare da A1 e procedere verso destra e verso il basso; fissare i fogli con nastro adesivo o colla a un pannello di supporto o alla parete.</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>The poster&apos;s sheets are %1, but the printer&apos;s paper is %2. Printed on it, every sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the poster would not line up.</source>
        <translation>I fogli del poster sono %1, ma la carta della stampante è %2. Stampando su questa carta, ogni foglio verrebbe tagliato o spostato e Tessellon non riduce mai un foglio per adattarlo: le parti del poster non combacerebbero.</translation>
    </message>
    <message>
        <source>%1 x %2 mm, %3 x %4 in</source>
        <translation>%1 x %2 mm, %3 x %4 pollici</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Errore di stampa</translation>
    </message>
    <message>
        <source>Preparing the sheets for the printer</source>
        <translation>Preparazione dei fogli per la stampante</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Nessuna stampante installata.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>Non esiste una stampante denominata &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no paper of %2.</source>
        <translation>La stampante &quot;%1&quot; non dispone del formato carta %2.</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Margini della stampante</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or has an error; start it again (or choose another printer) and print once more. Nothing was sent.</source>
        <translation>La stampante &quot;%1&quot; è ferma o in errore; riavviarla (o scegliere un&apos;altra stampante) e stampare di nuovo. Non è stato inviato nulla.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the print job: %2</source>
        <translation>La stampante &quot;%1&quot; ha rifiutato il lavoro di stampa: %2</translation>
    </message>
    <message>
        <source>The print job could not be started: %1</source>
        <translation>Impossibile avviare il lavoro di stampa: %1</translation>
    </message>
    <message>
        <source>The print job could not be handed to the printer.</source>
        <translation>Impossibile trasmettere il lavoro di stampa alla stampante.</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Stampa completata</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Fogli</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Printing canceled; nothing was sent to the printer.</source>
        <translation>Stampa annullata; non è stato inviato nulla alla stampante.</translation>
    </message>
    <message>
        <source>Paper Differs</source>
        <translation>Carta diversa</translation>
    </message>
    <message>
        <source>Print at actual size anyway (Yes), or go back to the print dialog (No)?</source>
        <translation>Stampare comunque a grandezza reale (Sì) o tornare alla finestra di stampa (No)?</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) sent to %1.</source>
        <translation>
            <numerusform>%n pagina inviata a %1.</numerusform>
            <numerusform>%n pagine inviate a %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>the old file cannot be kept</source>
        <translation>impossibile conservare il vecchio file</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predefinito</translation>
    </message>
    <message>
        <source>Kodak photo lab default</source>
        <translation>Laboratorio fotografico Kodak (predefinito)</translation>
    </message>
    <message>
        <source>Fuji photo lab default</source>
        <translation>Laboratorio fotografico Fuji (predefinito)</translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation>Deve esistere almeno un profilo di calibrazione dei bordi.  Non è possibile eliminare l&apos;unico profilo.</translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation>Impossibile rimuovere il profilo</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation>Eliminare davvero il profilo di calibrazione dei bordi selezionato</translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation>Elimina profilo di calibrazione dei bordi</translation>
    </message>
    <message>
        <source>A profile name can not contain a tab or a line break.  Please type the name on one line, without tabs.</source>
        <translation>Il nome di un profilo non può contenere tabulazioni o interruzioni di riga.  Digitare il nome su una sola riga, senza tabulazioni.</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Nome del profilo non valido</translation>
    </message>
    <message>
        <source>You can not have more than 199 Edge Calibration Profiles.  Please delete a profile before you create a new one.</source>
        <translation>Non è possibile avere più di 199 profili di calibrazione dei bordi.  Eliminare un profilo prima di crearne uno nuovo.</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Profili di calibrazione dei bordi</translation>
    </message>
    <message>
        <source>Your edge calibration profile file could not be read exactly as it was written.  The original file has been kept as:
%1</source>
        <translation>Non è stato possibile leggere il file dei profili di calibrazione dei bordi esattamente come era stato scritto.  Il file originale è stato conservato come:
%1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>Your change to the edge calibration profiles could not be saved in:
%1
It is kept until Tessellon is closed.</source>
        <translation>Impossibile salvare la modifica ai profili di calibrazione dei bordi in:
%1
La modifica resta valida fino alla chiusura di Tessellon.</translation>
    </message>
    <message>
        <source>The application folder can not be written to.  Your edge calibration profiles are now stored in:
%1</source>
        <translation>Impossibile scrivere nella cartella dell&apos;applicazione.  I profili di calibrazione dei bordi vengono ora salvati in:
%1</translation>
    </message>
    <message>
        <source>Can not create profile</source>
        <translation>Impossibile creare il profilo</translation>
    </message>
</context>
<context>
    <name>QtPrintDialogService</name>
    <message>
        <source>Sheets</source>
        <translation>Fogli</translation>
    </message>
    <message>
        <source>Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, such as B2 or 4-6. Empty: the whole poster, after its overview page.</source>
        <translation>Fogli da stampare, indicati come sono etichettati (da A1 a %1) o con i numeri da 1 a %2, ad esempio B2 o 4-6. Vuoto: l&apos;intero poster, dopo la pagina di riepilogo.</translation>
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
        <translation>immagini</translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation>File scelto non valido.  Impossibile continuare.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation>Impossibile salvare: tipo di file immagine non valido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
</context>
<context>
    <name>SaveTilesOpening</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation>Dati dell&apos;immagine o dei riquadri non validi.  Impossibile continuare.</translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation>Impossibile continuare</translation>
    </message>
</context>
<context>
    <name>SaveTilesTexts</name>
    <message>
        <source>Could not create the folder</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation>in cui salvare le immagini dei riquadri del poster</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation>Le cause possibili sono: mancanza dei diritti di accesso all&apos;unità selezionata, disco pieno o nome di cartella non valido</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Motivo: %1</translation>
    </message>
    <message>
        <source>The folder</source>
        <translation>La cartella</translation>
    </message>
    <message>
        <source>already exists</source>
        <translation>esiste già.</translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation>Alcuni file potrebbero essere sovrascritti.  Continuare?</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Il file</translation>
    </message>
    <message>
        <source>It will be replaced.  Do you want to continue?</source>
        <translation>Verrà sostituito.  Continuare?</translation>
    </message>
    <message>
        <source>Could not create the file</source>
        <translation>Impossibile creare il file</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the folder that you selected, the disk drive is full, or that you provided an invalid file name.</source>
        <translation>Le cause possibili sono: mancanza dei diritti di accesso alla cartella selezionata, disco pieno o nome di file non valido.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation>Errore nel calcolo delle coordinate dei riquadri</translation>
    </message>
    <message>
        <source>Error creating FileSystemObject - Windows component missing</source>
        <translation>Errore nella creazione di FileSystemObject - componente di Windows mancante</translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation>Impossibile continuare</translation>
    </message>
    <message>
        <source>Error creating image object</source>
        <translation>Errore nella creazione dell&apos;oggetto immagine</translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation>Impossibile continuare - dimensioni di stampa dei riquadri non valide</translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation>Errore nell&apos;applicazione della compensazione dei bordi tagliati dalla stampante</translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation>Spazio su disco esaurito</translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation>Spazio insufficiente sull&apos;unità selezionata.  Impossibile salvare le immagini.</translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Errore durante il salvataggio del file immagine del riquadro su disco.  Il disco potrebbe essere pieno.  Impossibile continuare.</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Annullato dall&apos;utente</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>Cartella esistente</translation>
    </message>
    <message>
        <source>Saving Images Now</source>
        <translation>Salvataggio delle immagini in corso</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>File esistente</translation>
    </message>
    <message>
        <source>Error saving the PDF file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Errore durante il salvataggio del file PDF su disco.  Il disco potrebbe essere pieno.  Impossibile continuare.</translation>
    </message>
    <message>
        <source>poster</source>
        <translation>poster</translation>
    </message>
    <message>
        <source>overview</source>
        <translation>riepilogo</translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation>Estensione del file non selezionata</translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation>Selezionare la posizione in cui creare la nuova cartella per le immagini dei riquadri del poster</translation>
    </message>
    <message>
        <source>The base file name must not contain a folder separator (/ or \)</source>
        <translation>Il nome file di base non deve contenere un separatore di cartella (/ o \)</translation>
    </message>
    <message>
        <source>Error reading the source image</source>
        <translation>Errore durante la lettura dell&apos;immagine di origine</translation>
    </message>
    <message>
        <source>The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger image.</source>
        <translation>I riquadri sarebbero più piccoli di un pixel dell&apos;immagine.  Usare meno riquadri, uno zoom minore o un&apos;immagine più grande.</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memoria insufficiente</translation>
    </message>
    <message>
        <source>A tile of %1 x %2 pixels is too large for one JPEG picture (at most about %3 megapixels).  Use more tiles, or TIFF or BMP files.</source>
        <translation>Un riquadro di %1 x %2 pixel è troppo grande per un&apos;unica immagine JPEG (al massimo circa %3 megapixel).  Usare più riquadri oppure file TIFF o BMP.</translation>
    </message>
</context>
<context>
    <name>SheetNames</name>
    <message>
        <source>%1 of %2 × %3</source>
        <translation>%1 di %2 × %3</translation>
    </message>
</context>
<context>
    <name>SheetRange</name>
    <message>
        <source>No such sheet or range on a poster of %1 × %2 sheets: %3 (name sheets as they are labelled, A1 to %4, or number them 1 to %5)</source>
        <translation>Nessun foglio o intervallo di questo tipo in un poster di %1 × %2 fogli: %3 (indicare i fogli come sono etichettati, da A1 a %4, o con i numeri da 1 a %5)</translation>
    </message>
</context>
<context>
    <name>SourceImage</name>
    <message>
        <source>The photo&apos;s file %1 has changed or is gone since it was opened. Open it again to use it as it is now.</source>
        <translation>Il file della foto %1 è stato modificato o non esiste più da quando è stato aperto. Aprilo di nuovo per usarlo così com’è ora.</translation>
    </message>
</context>
<context>
    <name>StatusPictures</name>
    <message>
        <source>Choose a folder that holds your image</source>
        <translation>Scegli la cartella che contiene l&apos;immagine</translation>
    </message>
    <message>
        <source>Choose an image from the file list</source>
        <translation>Scegli un&apos;immagine dall&apos;elenco dei file</translation>
    </message>
    <message>
        <source>This file could not be loaded</source>
        <translation>Impossibile caricare questo file</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Caricamento...</translation>
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
        <translation>Vai alla cartella Documenti</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation>Vai alla cartella Desktop</translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation>Mostra riquadri</translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation>Mostra la posizione dei riquadri del poster</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation>Ruota i riquadri di 90 gradi</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation>Mostra l&apos;anteprima del poster a schermo intero</translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation>Ruota l&apos;immagine di 90, 180 o 270 gradi</translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation>Dimensioni finali del poster</translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation>Megapixel</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Documenti</translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation>Milioni di pixel usati nell&apos;immagine del poster</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensioni</translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation>Dimensioni finali del poster</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualità</translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation>Qualità d&apos;immagine stimata del poster</translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation>Risoluzione del poster stampato</translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation>Posizione dei riquadri</translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation>Regola quale parte dell&apos;immagine digitale includere nel poster</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>(center)</source>
        <translation>(centro)</translation>
    </message>
    <message>
        <source>Horizontal centering of the poster Tiles</source>
        <translation>Centratura orizzontale dei riquadri del poster</translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation>Centratura verticale dei riquadri del poster</translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation>Livello di zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation>Numero di riquadri</translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation>Blocca riquadri in altezza = in larghezza</translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation>Rende il numero di riquadri in altezza uguale a quello in larghezza</translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation>Numero di riquadri del poster in larghezza</translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation>Numero di riquadri del poster in altezza</translation>
    </message>
    <message>
        <source>High</source>
        <translation>in altezza</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>in larghezza</translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation>Salva immagini dei riquadri</translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation>Genera e salva ora le immagini dei riquadri del poster</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Esci dal programma</translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation>Dimensioni di stampa per riquadro</translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation>Modifica carta/margini</translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation>Correggi i bordi</translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation>Applica la compensazione della calibrazione dei bordi quando vengono generate le immagini del poster</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation>Modifica i profili di calibrazione dei bordi</translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation>Seleziona il profilo di calibrazione dei bordi attivo</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Length units</source>
        <translation>Unità di lunghezza</translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation>Rifilato</translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation>Dimensioni del riquadro dopo aver rifilato i margini</translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation>Dimensioni totali del foglio</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation>Formato della carta su cui vengono stampati i riquadri del poster</translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation>Immagine selezionata</translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation>Filtro dell&apos;elenco dei file</translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation>Elenco filtrato dei file nella cartella selezionata</translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation>Seleziona la cartella che contiene l&apos;immagine da cui creare il poster</translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation>Cambia l&apos;unità corrente</translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation>Passo (4) - Fai clic per salvare i file dei riquadri</translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation>Passo (3) - Regola i riquadri e verifica i risultati</translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation>Passo (2) - Imposta le dimensioni di stampa dei riquadri</translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation>Passo (1) - Seleziona il file immagine</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Strumenti</translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation>Seleziona carta/margini...</translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation>Calibrazione dei bordi...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Sommario...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Informazioni su Tessellon...</translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation>Questa opzione compensa l&apos;eventuale taglio dei bordi (la perdita di una parte dei bordi sinistro, destro, superiore o inferiore dell&apos;immagine) causato dalla stampante.  Il taglio dei bordi si verifica soprattutto nella stampa senza bordi.  Fare clic sul pulsante Modifica per creare o modificare un profilo di calibrazione dei bordi per la stampante.  Il profilo di calibrazione dei bordi definisce quanto la stampante taglia dai bordi (per ulteriori informazioni consultare la guida).</translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation>Introduzione alla calibrazione dei bordi</translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation>Nessuna immagine selezionata.  Selezionare un&apos;immagine dall&apos;elenco dei file</translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation>Nessuna immagine selezionata</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>tutta la larghezza</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>left</source>
        <translation>sinistra</translation>
    </message>
    <message>
        <source>right</source>
        <translation>destra</translation>
    </message>
    <message>
        <source>up</source>
        <translation>su</translation>
    </message>
    <message>
        <source>down</source>
        <translation>giù</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Eccellente</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Molto buona</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buona</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Discreta</translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation>Buona da lontano</translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation>Discreta da lontano</translation>
    </message>
    <message>
        <source>Invalid tile configuration</source>
        <translation>Configurazione dei riquadri non valida</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Non valido</translation>
    </message>
    <message>
        <source>The help file</source>
        <translation>Il file della guida</translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation>non è presente.  Reinstallare il programma.</translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation>Impossibile trovare il file della guida</translation>
    </message>
    <message>
        <source>to</source>
        <translation>e</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation>Dimensioni di stampa del riquadro non valide</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pollici</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimetri</translation>
    </message>
    <message>
        <source>full height</source>
        <translation>tutta l&apos;altezza</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>punti</translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation>Le dimensioni di stampa dei riquadri inserite non sono valide.  Larghezza e altezza devono essere comprese tra</translation>
    </message>
    <message>
        <source>About Tessellon</source>
        <translation>Informazioni su Tessellon</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Info di sistema</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation>Questa applicazione crea poster di qualità fotografica di qualsiasi dimensione e forma dalle tue immagini digitali.  Include la tecnologia di calibrazione dei bordi, che misura e compensa le caratteristiche della stampante.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation>Fai clic sul pulsante per creare un&apos;immagine di prova per la calibrazione dei bordi con le dimensioni di stampa selezionate.  L&apos;immagine di prova avrà lungo il bordo 4 strisce (larghe 1/16 pollici ciascuna).  Stampa l&apos;immagine di prova.   </translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation>Anteprima del poster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation>Valori delle dimensioni di stampa non validi</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Informazioni non valide</translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation>Stampa di prova dei bordi</translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation>Seleziona quante delle 4 strisce perimetrali sono visibili su ciascun bordo della stampa di prova.  Queste informazioni del &apos;profilo di calibrazione dei bordi&apos; vengono usate dal programma per compensare l&apos;eventuale taglio effettuato dalla stampante. </translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation>Per il profilo di calibrazione dei bordi selezionato, indica quante delle quattro strisce di prova sono visibili sul bordo SINISTRO della stampa di prova</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation>Per il profilo di calibrazione dei bordi selezionato, indica quante delle quattro strisce di prova sono visibili sul bordo DESTRO della stampa di prova</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation>Per il profilo di calibrazione dei bordi selezionato, indica quante delle quattro strisce di prova sono visibili sul bordo SUPERIORE della stampa di prova</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation>Per il profilo di calibrazione dei bordi selezionato, indica quante delle quattro strisce di prova sono visibili sul bordo INFERIORE della stampa di prova</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation>File immagine (*.jpg, *.tif, *.bmp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation>Solo file JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation>Solo file TIFF (*.tif)</translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation>Solo file BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation>Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation>Nessuna rotazione</translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation>Rotazione oraria</translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation>Rotazione antioraria</translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation>Rotazione di 180°</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Sovrapposizione:</translation>
    </message>
    <message>
        <source>Strip of the picture that neighbouring sheets share, for gluing (0 = sheets meet edge to edge)</source>
        <translation>Striscia dell&apos;immagine condivisa dai fogli adiacenti, per incollarli (0 = fogli accostati bordo a bordo)</translation>
    </message>
    <message>
        <source>Invalid overlap.  It must lie between 0 and</source>
        <translation>Sovrapposizione non valida.  Deve essere compresa tra 0 e</translation>
    </message>
    <message>
        <source>half the tile print size</source>
        <translation>metà delle dimensioni di stampa del riquadro</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Sovrapposizione</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Foto mostrata</translation>
    </message>
    <message>
        <source>%1 % of the width, %2 % of the height</source>
        <translation>%1 % della larghezza, %2 % dell&apos;altezza</translation>
    </message>
    <message>
        <source>How much of your photo the poster keeps; the poster&apos;s shape and the zoom cut off the rest</source>
        <translation>Quanta parte della foto viene mantenuta nel poster; la forma del poster e lo zoom tagliano il resto</translation>
    </message>
    <message>
        <source>Poster Size...</source>
        <translation>Dimensioni del poster...</translation>
    </message>
    <message>
        <source>Find the tile counts and sheet turn for a poster size or a number of sheets</source>
        <translation>Trova il numero di riquadri e la rotazione dei fogli per una data dimensione del poster o un dato numero di fogli</translation>
    </message>
    <message>
        <source>Fit Photo</source>
        <translation>Adatta foto</translation>
    </message>
    <message>
        <source>With at most as many sheets as now, choose the tile counts and sheet turn that keep the most of the photo</source>
        <translation>Con al massimo tanti fogli quanti ora, sceglie il numero di riquadri e la rotazione dei fogli che mantengono la parte più grande della foto</translation>
    </message>
</context>
<context>
    <name>SysInfoWindow</name>
    <message>
        <source>System Information</source>
        <translation>Informazioni di sistema</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Copy the system information to the clipboard</source>
        <translation>Copia le informazioni di sistema negli appunti</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>(unknown)</source>
        <translation>(sconosciuto)</translation>
    </message>
    <message>
        <source>Operating system: </source>
        <translation>Sistema operativo: </translation>
    </message>
    <message>
        <source>Kernel: </source>
        <translation>Kernel: </translation>
    </message>
    <message>
        <source>CPU architecture: </source>
        <translation>Architettura CPU: </translation>
    </message>
    <message>
        <source>Built for: </source>
        <translation>Compilato per: </translation>
    </message>
    <message>
        <source>Qt version: </source>
        <translation>Versione di Qt: </translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>The TIFF file could not be written</source>
        <translation>Impossibile scrivere il file TIFF</translation>
    </message>
</context>
<context>
    <name>TileSaver</name>
    <message>
        <source>The tile could not be turned</source>
        <translation>Impossibile ruotare il riquadro</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>inches</source>
        <translation>pollici</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimetri</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimetri</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metri</translation>
    </message>
    <message>
        <source>a length such as 120cm, %1m, 1200mm or 47in; a bare number is in %2</source>
        <translation>una lunghezza come 120cm, %1m, 1200mm o 47in; un numero senza unità è in %2</translation>
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
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Visit the Tessellon home page</source>
        <translation>Visita il sito web di Tessellon</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>Questions, answers and help with Tessellon</source>
        <translation>Domande, risposte e aiuto su Tessellon</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Acquista</translation>
    </message>
    <message>
        <source>Buy a license for Tessellon</source>
        <translation>Acquista una licenza di Tessellon</translation>
    </message>
    <message>
        <source>Copyright © Quillmark Software. All rights reserved.</source>
        <translation>Copyright © Quillmark Software. Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Le informazioni di sistema non sono al momento disponibili</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Reload File List</source>
        <translation>&amp;Ricarica elenco file</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Stampa...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Print the poster&apos;s sheets, each at its exact size</source>
        <translation>Stampa i fogli del poster, ciascuno alle sue dimensioni esatte</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Il file %1 non esiste.</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Apri immagine</translation>
    </message>
    <message>
        <source>Paper...</source>
        <translation>Carta...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Lingua di &amp;sistema</translation>
    </message>
</context>
<context>
    <name>tessellon::frmBtm</name>
    <message>
        <source>Edge Calibration</source>
        <translation>Calibrazione dei bordi</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Profili di calibrazione dei bordi</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation>Crea un nuovo profilo di calibrazione dei bordi</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation>Rinomina il profilo di calibrazione dei bordi selezionato</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation>Elimina il profilo di calibrazione dei bordi selezionato</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation>Chiude la finestra di calibrazione dei bordi</translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation>Passo (1) Crea e stampa l&apos;immagine di prova</translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation>Crea immagine di prova dei bordi</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Stampa...</translation>
    </message>
    <message>
        <source>Print the Edge Calibration test image at the tile print size on a printer</source>
        <translation>Stampa su una stampante l&apos;immagine di prova per la calibrazione dei bordi, alle dimensioni di stampa del riquadro</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>bordo superiore</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>bordo destro</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>bordo inferiore</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>bordo sinistro</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>In alto a sinistra</translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>Stampa di prova</translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation>Passo (2) Inserisci i dati del profilo di calibrazione dei bordi </translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation>Bordo superiore</translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation>Bordo destro</translation>
    </message>
    <message>
        <source>Bottom Edge</source>
        <translation>Bordo inferiore</translation>
    </message>
    <message>
        <source>Left Edge</source>
        <translation>Bordo sinistro</translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation>Parte tagliata dalla stampante ai bordi delle immagini</translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation>Dati di calibrazione dei bordi del profilo selezionato</translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation>Parte tagliata dalla stampante su ogni bordo</translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation>Inserisci il nome della nuova configurazione</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nuova configurazione</translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation>Inserisci il nuovo nome di questo profilo di calibrazione dei bordi</translation>
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
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsg</name>
    <message>
        <source>Saving</source>
        <translation>Salvataggio</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>canceling</source>
        <translation>annullamento in corso</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsgboxYesNo</name>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>tessellon::frmPosterSize</name>
    <message>
        <source>Poster Size</source>
        <translation>Dimensioni del poster</translation>
    </message>
    <message>
        <source>Give the poster&apos;s width, its height, both, or at most how many sheets, in %1 (or type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns that reach it with the current paper, margins, overlap and edge compensation, the closest first; zoom and centring stay as they are.</source>
        <translation>Indica la larghezza del poster, l&apos;altezza, entrambe o il numero massimo di fogli, in %1 (oppure digita l&apos;unità: 120cm, 1,2m, 47in). Tessellon elenca le combinazioni di numero di riquadri e rotazione dei fogli che soddisfano la richiesta con carta, margini, sovrapposizione e compensazione dei bordi attuali, a partire dalla più vicina; zoom e centratura restano invariati.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>The poster at least this wide, in %1; empty for any width</source>
        <translation>Larghezza minima del poster, in %1; vuoto per qualsiasi larghezza</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altezza:</translation>
    </message>
    <message>
        <source>The poster at least this high, in %1; empty for any height</source>
        <translation>Altezza minima del poster, in %1; vuoto per qualsiasi altezza</translation>
    </message>
    <message>
        <source>At most &amp;sheets:</source>
        <translation>Massimo di &amp;fogli:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>nessun limite</translation>
    </message>
    <message>
        <source>Only arrangements of at most this many sheets</source>
        <translation>Solo disposizioni con al massimo questo numero di fogli</translation>
    </message>
    <message>
        <source>The whole &amp;photo must show</source>
        <translation>&amp;Tutta la foto deve essere visibile</translation>
    </message>
    <message>
        <source>Only arrangements whose shape cuts at most 1 % off a side of the photo</source>
        <translation>Solo disposizioni la cui forma taglia al massimo l&apos;1 % di un lato della foto</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Riquadri</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Fogli</translation>
    </message>
    <message>
        <source>Final size</source>
        <translation>Dimensioni finali</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Foto mostrata</translation>
    </message>
    <message>
        <source>Best first: the closest to the size asked, then the one that keeps most of the photo, then the fewest sheets</source>
        <translation>Prima le migliori: la più vicina alla dimensione richiesta, poi quella che mantiene la parte più grande della foto, poi quella con meno fogli</translation>
    </message>
    <message>
        <source>&amp;Use This</source>
        <translation>&amp;Usa questa</translation>
    </message>
    <message>
        <source>Set the tile counts and the sheet turn of the chosen arrangement</source>
        <translation>Imposta il numero di riquadri e la rotazione dei fogli della disposizione scelta</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>%1 is no length: give %2.</source>
        <translation>%1 indicata non è una lunghezza valida: indicare %2.</translation>
    </message>
    <message>
        <source>The width</source>
        <translation>La larghezza</translation>
    </message>
    <message>
        <source>The height</source>
        <translation>L&apos;altezza</translation>
    </message>
    <message>
        <source>Give a width, a height or a number of sheets.</source>
        <translation>Indica una larghezza, un&apos;altezza o un numero di fogli.</translation>
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
        <translation>ruotati</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>non ruotati</translation>
    </message>
    <message>
        <source>%1 arrangements reach it; the best %2 are listed.</source>
        <translation>%1 disposizioni soddisfano la richiesta; sono elencate le %2 migliori.</translation>
    </message>
    <message>
        <source>1 arrangement reaches it.</source>
        <translation>1 disposizione soddisfa la richiesta.</translation>
    </message>
    <message>
        <source>%1 arrangements reach it.</source>
        <translation>%1 disposizioni soddisfano la richiesta.</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSaveTiles</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation>Salva i file immagine del poster</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo di file</translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation>Formato in cui verranno salvate le immagini dei riquadri del poster</translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation>Informazioni di salvataggio</translation>
    </message>
    <message>
        <source>Base Filename</source>
        <translation>Nome file di base</translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation>Nome di base usato per denominare i file immagine dei riquadri del poster</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Nome della nuova cartella</translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation>Nome della nuova cartella da creare per le immagini dei riquadri del poster</translation>
    </message>
    <message>
        <source>Assembly Aids</source>
        <translation>Aiuti per il montaggio</translation>
    </message>
    <message>
        <source>Sheet names (A1, A2, ...)</source>
        <translation>Nomi dei fogli (A1, A2, ...)</translation>
    </message>
    <message>
        <source>PDF: print each sheet&apos;s name and the poster&apos;s layout where no picture shows</source>
        <translation>PDF: stampa il nome di ogni foglio e lo schema del poster dove non c&apos;è immagine</translation>
    </message>
    <message>
        <source>Cut and glue marks</source>
        <translation>Segni di taglio e incollaggio</translation>
    </message>
    <message>
        <source>PDF: mark where overlapping sheets are cut and glued, or the picture&apos;s corners when the sheets do not overlap</source>
        <translation>PDF: segna dove tagliare e incollare i fogli sovrapposti, oppure gli angoli dell&apos;immagine se i fogli non si sovrappongono</translation>
    </message>
    <message>
        <source>Overview page</source>
        <translation>Pagina di riepilogo</translation>
    </message>
    <message>
        <source>PDF: a first page with the whole poster, its sheets and how to put them together</source>
        <translation>PDF: una prima pagina con l&apos;intero poster, i suoi fogli e le istruzioni per assemblarli</translation>
    </message>
    <message>
        <source>Overview image</source>
        <translation>Immagine di riepilogo</translation>
    </message>
    <message>
        <source>Image files: also save a picture of the whole poster with its sheets and their names beside the tiles</source>
        <translation>File immagine: salva anche, accanto ai riquadri, un&apos;immagine dell&apos;intero poster con i fogli e i loro nomi</translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation>Posizione della nuova cartella</translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation>Seleziona l&apos;unità corrente</translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation>Seleziona la cartella in cui creare la nuova sottocartella che conterrà le immagini dei riquadri del poster</translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation>I file verranno salvati in</translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation>Passo (1) Scegli le preferenze dei file per le immagini del poster</translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation>Passo (2) Fai clic per salvare ora i file</translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation>Salva immagini ora</translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation>Fai clic qui per generare e salvare ora le immagini dei riquadri del poster</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation>Chiude questa finestra senza generare né salvare le immagini dei riquadri del poster</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSimpleMsg</name>
    <message>
        <source>Finished</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation>Immagini salvate correttamente</translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation>Le immagini del poster sono state salvate correttamente e sono pronte per la stampa.  Si trovano nella cartella seguente:</translation>
    </message>
    <message>
        <source>Poster Saved Successfully</source>
        <translation>Poster salvato correttamente</translation>
    </message>
    <message>
        <source>Your poster was saved successfully and is now ready for you to print at actual size (100 %).  It is the following file:</source>
        <translation>Il poster è stato salvato correttamente ed è pronto per la stampa a grandezza reale (100 %).  Si trova nel file seguente:</translation>
    </message>
</context>
</TS>
