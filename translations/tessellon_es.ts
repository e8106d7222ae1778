<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BmpCodec</name>
    <message>
        <source>The BMP file could not be written</source>
        <translation>No se pudo escribir el archivo BMP</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file</source>
        <translation>La imagen es demasiado grande para un archivo BMP</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>No hay memoria suficiente para la imagen codificada</translation>
    </message>
</context>
<context>
    <name>ClipAmount</name>
    <message>
        <source>None of the image is clipped</source>
        <translation>No se recorta nada de la imagen</translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation>La impresora recorta</translation>
    </message>
    <message>
        <source>of image</source>
        <translation>de la imagen</translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation>Se ven las 4 líneas</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Se ven</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>líneas</translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation>No se ve ninguna línea</translation>
    </message>
</context>
<context>
    <name>CmykConverter</name>
    <message>
        <source>The image&apos;s CMYK colour profile cannot be used.</source>
        <translation>No se puede usar el perfil de color CMYK de la imagen.</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>No hay memoria suficiente para cargar la imagen (%1 x %2 píxeles).</translation>
    </message>
</context>
<context>
    <name>EdgeTestTargetTexts</name>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation>El tamaño de impresión personalizado que ha introducido no es válido.  El alto y el ancho deben estar ambos entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation>pulgadas.  Introduzca valores válidos en el apartado</translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation>de la ventana principal</translation>
    </message>
    <message>
        <source>A</source>
        <translation>Ahora se creará una imagen de prueba de</translation>
    </message>
    <message>
        <source>high</source>
        <translation>de alto</translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation>de ancho</translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation>El patrón tendrá 4 franjas de color impresas alrededor de cada borde.  Cada franja mide</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>de ancho</translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation>Para comprobar cuánto recorta la impresora de cada borde, haga lo siguiente</translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation>Cuando se le pida, guarde la imagen en el disco duro</translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation>Imprima la imagen en su impresora</translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation>Cuente cuántas de las 4 franjas de color se ven en cada borde de la impresión e introduzca esa información en el cuadro de diálogo de abajo.</translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation>Haga clic en Aceptar para continuar o en Cancelar para salir</translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation>Crear patrón de prueba</translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation>Se produjo un error al guardar la imagen en el disco</translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation>Error al añadir el texto a la impresión de prueba de bordes</translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation>La imagen se ha guardado correctamente en el disco.</translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation>A continuación, haga lo siguiente</translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation>Imprima esta imagen</translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation>con la misma impresora, el mismo papel y la misma configuración de impresión que</translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation>usará al imprimir las imágenes del póster</translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation>Cuente el número de franjas visibles a lo largo de cada borde de la impresión de prueba obtenida.</translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation>Asegúrese de tener seleccionado el perfil de calibración de bordes que desea modificar.</translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation>Con las cuatro listas desplegables de abajo, indique cuántas franjas se ven en cada borde de la impresión (así el programa sabe cuánto recorta la impresora de cada borde de sus impresiones).</translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation>Dimensiones de impresión no válidas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation>Creación del patrón de prueba cancelada</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation>Nombre de archivo de imagen no válido.  La imagen debe guardarse como archivo bmp, tif o jpg</translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation>Tipo de archivo no válido</translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation>Creación de la imagen de prueba completada</translation>
    </message>
    <message>
        <source>Invalid test image size</source>
        <translation>Tamaño de imagen de prueba no válido</translation>
    </message>
    <message>
        <source>No pixels to draw the stripes on</source>
        <translation>No hay píxeles en los que dibujar las franjas</translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation>Guardar patrón de prueba</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>PNG and WebP Files (*.png, *.webp)</source>
        <translation>Archivos PNG y WebP (*.png, *.webp)</translation>
    </message>
    <message>
        <source>All Supported Images (%1)</source>
        <translation>Todas las imágenes compatibles (%1)</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Unidad no válida</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>No se pudo acceder a la unidad elegida.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Could not determine the location of the %1 folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>No se pudo determinar la ubicación de la carpeta %1.  Vaya a ella manualmente con la lista de carpetas de abajo.</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>es una tubería con nombre (FIFO), no un archivo normal</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>es un dispositivo, no un archivo normal</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>es un socket, no un archivo normal</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>a link of that name cannot be removed (%1)</source>
        <translation>no se puede eliminar un enlace con ese nombre (%1)</translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>Bitmap (.bmp)</source>
        <translation>Mapa de bits (.bmp)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Mapa de bits (*.bmp)</translation>
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
        <translation> - Ayuda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
</context>
<context>
    <name>ImageFileReader</name>
    <message>
        <source>No decoder for this file&apos;s images is installed (libheif: %1).</source>
        <translation>No hay instalado ningún decodificador para las imágenes de este archivo (libheif: %1).</translation>
    </message>
    <message>
        <source>The image is too large for the HEIF decoder (%1).</source>
        <translation>La imagen es demasiado grande para el decodificador HEIF (%1).</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete: %1.</source>
        <translation>La imagen está dañada o incompleta: %1.</translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation>No hay memoria suficiente para leer el archivo.</translation>
    </message>
    <message>
        <source>No decoder for %1 images is installed.</source>
        <translation>No hay instalado ningún decodificador para imágenes %1.</translation>
    </message>
    <message>
        <source>The image is damaged: it decodes to no pixels.</source>
        <translation>La imagen está dañada: al decodificarla no se obtiene ningún píxel.</translation>
    </message>
    <message>
        <source>Not enough memory to turn the image upright</source>
        <translation>No hay memoria suficiente para enderezar la imagen</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model, which Tessellon converts for JPEG files only. Convert it to RGB in an image editor first.</source>
        <translation>La imagen usa el modelo de color CMYK, que Tessellon solo convierte en archivos JPEG. Conviértala antes a RGB en un editor de imágenes.</translation>
    </message>
    <message>
        <source>The image is damaged: its colour table (palette) is missing.</source>
        <translation>La imagen está dañada: falta su tabla de colores (paleta).</translation>
    </message>
    <message>
        <source>This is a folder, not an image file.</source>
        <translation>Es una carpeta, no un archivo de imagen.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>El archivo no existe.</translation>
    </message>
    <message>
        <source>Its name holds bytes that are not UTF-8 text, so it cannot be named exactly; rename the file.</source>
        <translation>Su nombre contiene bytes que no son texto UTF-8, por lo que no se puede nombrar con exactitud; cambie el nombre del archivo.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>No se pudo abrir el archivo: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>El archivo está vacío.</translation>
    </message>
    <message>
        <source>The file is too large for this computer&apos;s memory (%1 MB; Tessellon uses at most %2 MB for one image).</source>
        <translation>El archivo es demasiado grande para la memoria de este equipo (%1 MB; Tessellon usa como máximo %2 MB por imagen).</translation>
    </message>
    <message>
        <source>The file became shorter while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>El archivo se ha acortado mientras se leía (puede que todavía se esté escribiendo o copiando). Vuelva a intentarlo cuando esté completo.</translation>
    </message>
    <message>
        <source>The file changed while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>El archivo ha cambiado mientras se leía (puede que todavía se esté escribiendo o copiando). Vuelva a intentarlo cuando esté completo.</translation>
    </message>
    <message>
        <source>This is not an image file that Tessellon can open (%1).</source>
        <translation>No es un archivo de imagen que Tessellon pueda abrir (%1).</translation>
    </message>
    <message>
        <source> or </source>
        <translation> o </translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name has no extension.</source>
        <translation>El archivo contiene una imagen %1, pero su nombre no tiene extensión.</translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name ends in &quot;.%2&quot;.</source>
        <translation>El archivo contiene una imagen %1, pero su nombre termina en &quot;.%2&quot;.</translation>
    </message>
    <message>
        <source>Rename it to end in %1.</source>
        <translation>Cámbiele el nombre para que termine en %1.</translation>
    </message>
    <message>
        <source>The image is damaged: its header gives no picture size.</source>
        <translation>La imagen está dañada: su cabecera no indica el tamaño de la imagen.</translation>
    </message>
    <message>
        <source>The image is too large for this computer&apos;s memory: %1 x %2 pixels need %3 MB, and Tessellon uses at most %4 MB for one image.</source>
        <translation>La imagen es demasiado grande para la memoria de este equipo: %1 x %2 píxeles necesitan %3 MB y Tessellon usa como máximo %4 MB por imagen.</translation>
    </message>
    <message>
        <source>The image is damaged: the file is far too small (%1 KB) for the %2 x %3 pixels it claims.</source>
        <translation>La imagen está dañada: el archivo es demasiado pequeño (%1 KB) para los %2 x %3 píxeles que indica.</translation>
    </message>
    <message>
        <source>The image is damaged: part of the BMP file&apos;s pixel data is missing.</source>
        <translation>La imagen está dañada: falta parte de los datos de píxeles del archivo BMP.</translation>
    </message>
    <message>
        <source>The image is damaged: the BMP file&apos;s colour masks are not valid.</source>
        <translation>La imagen está dañada: las máscaras de color del archivo BMP no son válidas.</translation>
    </message>
    <message>
        <source>The image is damaged: a run of the BMP file&apos;s pixels goes past the end of its row.</source>
        <translation>La imagen está dañada: una secuencia de píxeles del archivo BMP sobrepasa el final de su fila.</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started.</source>
        <translation>No se pudo iniciar el decodificador JPEG.</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read (%1).</source>
        <translation>La imagen está dañada: no se puede leer su cabecera (%1).</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model without a CMYK colour profile to convert it by. Convert it to RGB in an image editor first.</source>
        <translation>La imagen usa el modelo de color CMYK sin un perfil de color CMYK con el que convertirla. Conviértala antes a RGB en un editor de imágenes.</translation>
    </message>
    <message>
        <source>The image is damaged, or no decoder for %1 images is installed</source>
        <translation>La imagen está dañada o no hay instalado ningún decodificador para imágenes %1</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read</source>
        <translation>La imagen está dañada: no se puede leer su cabecera</translation>
    </message>
    <message>
        <source>This image cannot be decoded at a reduced size.</source>
        <translation>Esta imagen no se puede decodificar a un tamaño reducido.</translation>
    </message>
    <message>
        <source>Only the header of the file was read.</source>
        <translation>Solo se leyó la cabecera del archivo.</translation>
    </message>
    <message>
        <source>The decode was stopped</source>
        <translation>Se detuvo la decodificación</translation>
    </message>
    <message>
        <source>The image is damaged: its pixels do not match its size.</source>
        <translation>La imagen está dañada: sus píxeles no coinciden con su tamaño.</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete</source>
        <translation>La imagen está dañada o incompleta</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>No hay memoria suficiente para cargar la imagen (%1 x %2 píxeles).</translation>
    </message>
</context>
<context>
    <name>ImageLoader</name>
    <message>
        <source>Invalid Image File Selected</source>
        <translation>Archivo de imagen seleccionado no válido</translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation>La imagen seleccionada es EXTREMADAMENTE pequeña.  Su alto o su ancho es inferior al tamaño mínimo permitido de </translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation> píxeles.  Seleccione una imagen más grande.  </translation>
    </message>
</context>
<context>
    <name>ImageObject</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>No se pudo crear el archivo: %1</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>No se pudo escribir el archivo: %1</translation>
    </message>
    <message>
        <source>The file could not be completed: %1</source>
        <translation>No se pudo completar el archivo: %1</translation>
    </message>
    <message>
        <source>Text can only be drawn by the graphical application</source>
        <translation>Solo la aplicación gráfica puede dibujar texto</translation>
    </message>
    <message>
        <source>Invalid font size %1</source>
        <translation>Tamaño de fuente no válido: %1</translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation>La matriz de píxeles está vacía</translation>
    </message>
    <message>
        <source>An image of %1 x %2 pixels cannot be created</source>
        <translation>No se puede crear una imagen de %1 x %2 píxeles</translation>
    </message>
    <message>
        <source>There is no image to resample</source>
        <translation>No hay ninguna imagen que remuestrear</translation>
    </message>
    <message>
        <source>Invalid image size %1 x %2</source>
        <translation>Tamaño de imagen no válido: %1 x %2</translation>
    </message>
    <message>
        <source>Not enough memory to resample the image</source>
        <translation>No hay memoria suficiente para remuestrear la imagen</translation>
    </message>
    <message>
        <source>There is no image to rotate</source>
        <translation>No hay ninguna imagen que girar</translation>
    </message>
    <message>
        <source>Invalid rotation angle %1</source>
        <translation>Ángulo de giro no válido: %1</translation>
    </message>
    <message>
        <source>Not enough memory to rotate the image</source>
        <translation>No hay memoria suficiente para girar la imagen</translation>
    </message>
    <message>
        <source>Invalid resolution %1</source>
        <translation>Resolución no válida: %1</translation>
    </message>
    <message>
        <source>Unknown image attribute</source>
        <translation>Atributo de imagen desconocido</translation>
    </message>
    <message>
        <source>There is no image to save</source>
        <translation>No hay ninguna imagen que guardar</translation>
    </message>
    <message>
        <source>%1 is not an image file format</source>
        <translation>%1 no es un formato de archivo de imagen</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>No hay memoria suficiente para la imagen codificada</translation>
    </message>
    <message>
        <source>The image could not be encoded: %1</source>
        <translation>No se pudo codificar la imagen: %1</translation>
    </message>
    <message>
        <source>There is no image to draw on</source>
        <translation>No hay ninguna imagen en la que dibujar</translation>
    </message>
    <message>
        <source>The image cannot be drawn on</source>
        <translation>No se puede dibujar en la imagen</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation>Error al inicializar el objeto de imagen.  No se puede continuar.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>The file is not a JPEG image</source>
        <translation>El archivo no es una imagen JPEG</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started</source>
        <translation>No se pudo iniciar el decodificador JPEG</translation>
    </message>
    <message>
        <source>The JPEG header is damaged: %1</source>
        <translation>La cabecera JPEG está dañada: %1</translation>
    </message>
    <message>
        <source>CMYK JPEG images are not supported by this decoder</source>
        <translation>Este decodificador no admite imágenes JPEG CMYK</translation>
    </message>
    <message>
        <source>The image is too large to load (%1 x %2 pixels)</source>
        <translation>La imagen es demasiado grande para cargarla (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels)</source>
        <translation>No hay memoria suficiente para cargar la imagen (%1 x %2 píxeles)</translation>
    </message>
    <message>
        <source>The JPEG image is damaged or incomplete: %1</source>
        <translation>La imagen JPEG está dañada o incompleta: %1</translation>
    </message>
    <message>
        <source>Not enough memory to load the image</source>
        <translation>No hay memoria suficiente para cargar la imagen</translation>
    </message>
    <message>
        <source>There is no image to encode</source>
        <translation>No hay ninguna imagen que codificar</translation>
    </message>
    <message>
        <source>The JPEG encoder could not be started</source>
        <translation>No se pudo iniciar el codificador JPEG</translation>
    </message>
    <message>
        <source>The image is too large to encode</source>
        <translation>La imagen es demasiado grande para codificarla</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>No hay memoria suficiente para la imagen codificada</translation>
    </message>
    <message>
        <source>JPEG encoding failed: %1</source>
        <translation>Error en la codificación JPEG: %1</translation>
    </message>
</context>
<context>
    <name>PaperDialogTexts</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation>Determinar el tamaño de impresión de las piezas</translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation>(1) Seleccione las unidades</translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation>(2) Seleccione el tamaño del papel</translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation>Elija el tamaño del papel (o seleccione Personalizado)</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Ancho:</translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation>Ancho total del papel (incluidos los márgenes)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation>Alto total del papel (incluidos los márgenes)</translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation>(3) Seleccione el tamaño de los márgenes</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Margen superior:</translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation>Margen derecho:</translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation>Margen inferior:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Margen izquierdo:</translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation>Seleccione o escriba el margen superior</translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation>Seleccione o escriba el margen derecho</translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation>Seleccione o escriba el margen inferior</translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation>Seleccione o escriba el margen izquierdo</translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation>Izquierdo = derecho, superior = inferior</translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation>Hacer iguales los márgenes izquierdo y derecho, y los márgenes superior e inferior</translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation>Sin bordes (sin márgenes)</translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation>Poner todos los márgenes a cero (para impresiones sin bordes)</translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation>Restablecer márgenes predeterminados</translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation>Restablecer los márgenes a los valores predeterminados del tamaño de papel seleccionado</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Márgenes de la impresora</translation>
    </message>
    <message>
        <source>Set the margins to what the printer &quot;%1&quot; cannot print at the edges of this paper</source>
        <translation>Ajustar los márgenes a la zona que la impresora &quot;%1&quot; no puede imprimir en los bordes de este papel</translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation>(4) Resultados:</translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation>Tamaño ANTES de recortar los márgenes:</translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation>Es el tamaño total del papel, incluidos los márgenes</translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation>Tamaño DESPUÉS de recortar los márgenes:</translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation>Es el tamaño de la pieza del póster (el tamaño de impresión DESPUÉS de recortar los márgenes)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation>Aceptar los valores actuales de papel y márgenes</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation>Aceptar los valores actuales de papel y márgenes y volver a la ventana principal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation>No aceptar los valores actuales de papel y márgenes</translation>
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
        <translation>Carta</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Legal</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Lienzo</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source> (inches)</source>
        <translation> (pulgadas)</translation>
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
        <translation>(Márgenes en MILÍMETROS)</translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation>(Márgenes en PULGADAS)</translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation>Valores introducidos no válidos</translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation>Ancho o alto del papel no válido</translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation>Tamaño de papel no válido: es demasiado pequeño.  El tamaño mínimo es</translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation>Ha introducido valores no válidos para los márgenes de impresión.</translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation>Valor de margen no válido: no puede ser menor que cero</translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation>Márgenes izquierdo/derecho no válidos.  Juntos superan el ancho del papel.</translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation>Márgenes superior/inferior no válidos.  Juntos superan el alto del papel.</translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation>Papel demasiado pequeño</translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation>Papel demasiado grande</translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation>Papel/márgenes demasiado pequeños</translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation>Papel/márgenes demasiado grandes</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation>Tamaño de papel introducido no válido</translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation>Tamaño de margen seleccionado no válido</translation>
    </message>
</context>
<context>
    <name>PdfPosterWriter</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>No se pudo crear el archivo: %1</translation>
    </message>
    <message>
        <source>The PDF could not be started (%1)</source>
        <translation>No se pudo iniciar el PDF (%1)</translation>
    </message>
    <message>
        <source>The PDF is not open</source>
        <translation>El PDF no está abierto</translation>
    </message>
    <message>
        <source>The colour profile is not an RGB profile</source>
        <translation>El perfil de color no es un perfil RGB</translation>
    </message>
    <message>
        <source>The colour profile could not be written (%1)</source>
        <translation>No se pudo escribir el perfil de color (%1)</translation>
    </message>
    <message>
        <source>A page cannot be started here</source>
        <translation>No se puede empezar una página aquí</translation>
    </message>
    <message>
        <source>The page could not be made (%1)</source>
        <translation>No se pudo crear la página (%1)</translation>
    </message>
    <message>
        <source>No page to draw on</source>
        <translation>No hay ninguna página en la que dibujar</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>La imagen está vacía</translation>
    </message>
    <message>
        <source>The picture could not be written (%1)</source>
        <translation>No se pudo escribir la imagen (%1)</translation>
    </message>
    <message>
        <source>The text font is missing</source>
        <translation>Falta la fuente del texto</translation>
    </message>
    <message>
        <source>The text could not be written (%1)</source>
        <translation>No se pudo escribir el texto (%1)</translation>
    </message>
    <message>
        <source>No page to end</source>
        <translation>No hay ninguna página que terminar</translation>
    </message>
    <message>
        <source>The page could not be written (%1)</source>
        <translation>No se pudo escribir la página (%1)</translation>
    </message>
    <message>
        <source>The PDF is not complete</source>
        <translation>El PDF no está completo</translation>
    </message>
    <message>
        <source>The PDF could not be completed (%1)</source>
        <translation>No se pudo completar el PDF (%1)</translation>
    </message>
    <message>
        <source>The PDF could not be saved: %1</source>
        <translation>No se pudo guardar el PDF: %1</translation>
    </message>
</context>
<context>
    <name>PosterArrangements</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 de ancho</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 de alto</translation>
    </message>
    <message>
        <source>at most 1 sheet</source>
        <translation>como máximo 1 hoja</translation>
    </message>
    <message>
        <source>at most %1 sheets</source>
        <translation>como máximo %1 hojas</translation>
    </message>
    <message>
        <source>the whole photo</source>
        <translation>la foto entera</translation>
    </message>
    <message>
        <source>%1 x %2 sheets, %3</source>
        <translation>%1 x %2 hojas, %3</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>giradas</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>sin girar</translation>
    </message>
    <message>
        <source>No arrangement reaches %1</source>
        <translation>Ninguna disposición cumple: %1</translation>
    </message>
</context>
<context>
    <name>PosterOverview</name>
    <message>
        <source>Poster overview</source>
        <translation>Vista general del póster</translation>
    </message>
    <message>
        <source>Final size: %1</source>
        <translation>Tamaño final: %1</translation>
    </message>
    <message>
        <source>Paper: %1, %2 %3</source>
        <translation>Papel: %1, %2 %3</translation>
    </message>
    <message>
        <source>Sheets: %1, %2 across and %3 down</source>
        <translation>Hojas: %1, %2 a lo ancho y %3 a lo alto</translation>
    </message>
    <message>
        <source>Overlap: %1 %2</source>
        <translation>Solapamiento: %1 %2</translation>
    </message>
    <message>
        <source>Photo shown: %1</source>
        <translation>Foto visible: %1</translation>
    </message>
    <message>
        <source>Print the sheets at 100% (actual size) on this paper; this page is not part of the poster.</source>
        <translation>Imprima las hojas al 100 % (tamaño real) en este papel; esta página no forma parte del póster.</translation>
    </message>
    <message>
        <source>Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.</source>
        <translation>Coloque las hojas como se muestra: A1 arriba a la izquierda, A2 a su derecha y B1 debajo de ella.</translation>
    </message>
    <message>
        <source>The sheets print turned: the top of the poster is at each sheet&apos;s left edge. Turn every sheet a quarter turn clockwise before laying it out.</source>
        <translation>Las hojas se imprimen giradas: la parte superior del póster está en el borde izquierdo de cada hoja. Gire cada hoja un cuarto de vuelta en el sentido de las agujas del reloj antes de colocarla.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: cut each along its cut line, lay it over the glue area of its neighbour so that the pictures match, and glue it there.</source>
        <translation>Las hojas de la derecha y de abajo van encima: corte cada una por su línea de corte, colóquela sobre la zona de pegado de su vecina de modo que las imágenes coincidan y péguela ahí.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: trim off any margin on their left and top edges, lay them over the shared strip of their neighbour so that the pictures match, and glue them there.</source>
        <translation>Las hojas de la derecha y de abajo van encima: recorte el margen que tengan en sus bordes izquierdo y superior, colóquelas sobre la franja compartida de su vecina de modo que las imágenes coincidan y péguelas ahí.</translation>
    </message>
    <message>
        <source>The sheets have no margins: butt them edge to edge.</source>
        <translation>Las hojas no tienen márgenes: únalas borde con borde.</translation>
    </message>
    <message>
        <source>Trim every sheet at its corner crop marks, where the picture ends, then butt the sheets edge to edge.</source>
        <translation>Recorte cada hoja por sus marcas de corte de las esquinas, donde termina la imagen, y después una las hojas borde con borde.</translation>
    </message>
    <message>
        <source>Trim the margins off every sheet along the edge of the picture, then butt the sheets edge to edge.</source>
        <translation>Recorte los márgenes de cada hoja a lo largo del borde de la imagen y después una las hojas borde con borde.</translation>
    </message>
    <message>
        <source>Start at A1 and work to the right and down; tape or glue the sheets to a backing board or the wall.</source>
        <translation>Empiece por A1 y avance hacia la derecha y hacia abajo; fije las hojas con cinta o pegamento a un tablero de soporte o a la pared.</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>The poster&apos;s sheets are %1, but the printer&apos;s paper is %2. Printed on it, every sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the poster would not line up.</source>
        <translation>Las hojas del póster son de %1, pero el papel de la impresora es de %2. Si se imprimen en él, todas las hojas quedarán recortadas o desplazadas, y Tessellon nunca reduce una hoja para que quepa: el póster no encajaría.</translation>
    </message>
    <message>
        <source>%1 x %2 mm, %3 x %4 in</source>
        <translation>%1 x %2 mm, %3 x %4 pulg.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Error de impresión</translation>
    </message>
    <message>
        <source>Preparing the sheets for the printer</source>
        <translation>Preparando las hojas para la impresora</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>No hay ninguna impresora instalada.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>No hay ninguna impresora llamada &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no paper of %2.</source>
        <translation>La impresora &quot;%1&quot; no tiene papel de %2.</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Márgenes de la impresora</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or has an error; start it again (or choose another printer) and print once more. Nothing was sent.</source>
        <translation>La impresora &quot;%1&quot; está detenida o tiene un error; vuelva a ponerla en marcha (o elija otra impresora) e imprima de nuevo. No se ha enviado nada.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the print job: %2</source>
        <translation>La impresora &quot;%1&quot; rechazó el trabajo de impresión: %2</translation>
    </message>
    <message>
        <source>The print job could not be started: %1</source>
        <translation>No se pudo iniciar el trabajo de impresión: %1</translation>
    </message>
    <message>
        <source>The print job could not be handed to the printer.</source>
        <translation>No se pudo entregar el trabajo de impresión a la impresora.</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Impreso</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Printing canceled; nothing was sent to the printer.</source>
        <translation>Impresión cancelada; no se ha enviado nada a la impresora.</translation>
    </message>
    <message>
        <source>Paper Differs</source>
        <translation>El papel no coincide</translation>
    </message>
    <message>
        <source>Print at actual size anyway (Yes), or go back to the print dialog (No)?</source>
        <translation>¿Imprimir de todos modos a tamaño real (Sí) o volver al cuadro de diálogo de impresión (No)?</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) sent to %1.</source>
        <translation>
            <numerusform>Se ha enviado %n página a %1.</numerusform>
            <numerusform>Se han enviado %n páginas a %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>the old file cannot be kept</source>
        <translation>no se puede conservar el archivo anterior</translation>
    </message>
    <message>
        <source>default</source>
        <translation>predeterminado</translation>
    </message>
    <message>
        <source>Kodak photo lab default</source>
        <translation>Laboratorio fotográfico Kodak (predeterminado)</translation>
    </message>
    <message>
        <source>Fuji photo lab default</source>
        <translation>Laboratorio fotográfico Fuji (predeterminado)</translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation>Debe tener al menos un perfil de calibración de bordes.  No puede eliminar el único que tiene.</translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation>No se puede eliminar el perfil</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation>¿Está seguro de que desea eliminar el perfil de calibración de bordes seleccionado</translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation>Eliminar perfil de calibración de bordes</translation>
    </message>
    <message>
        <source>A profile name can not contain a tab or a line break.  Please type the name on one line, without tabs.</source>
        <translation>El nombre de un perfil no puede contener tabulaciones ni saltos de línea.  Escriba el nombre en una sola línea, sin tabulaciones.</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Nombre de perfil no válido</translation>
    </message>
    <message>
        <source>You can not have more than 199 Edge Calibration Profiles.  Please delete a profile before you create a new one.</source>
        <translation>No puede tener más de 199 perfiles de calibración de bordes.  Elimine un perfil antes de crear uno nuevo.</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Perfiles de calibración de bordes</translation>
    </message>
    <message>
        <source>Your edge calibration profile file could not be read exactly as it was written.  The original file has been kept as:
%1</source>
        <translation>El archivo de perfiles de calibración de bordes no se pudo leer exactamente como se escribió.  El archivo original se ha conservado como:
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
        <translation>No se pudo guardar el cambio en los perfiles de calibración de bordes en:
%1
Se conservará hasta que cierre Tessellon.</translation>
    </message>
    <message>
        <source>The application folder can not be written to.  Your edge calibration profiles are now stored in:
%1</source>
        <translation>No se puede escribir en la carpeta de la aplicación.  Los perfiles de calibración de bordes se guardan ahora en:
%1</translation>
    </message>
    <message>
        <source>Can not create profile</source>
        <translation>No se puede crear el perfil</translation>
    </message>
</context>
<context>
    <name>QtPrintDialogService</name>
    <message>
        <source>Sheets</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, such as B2 or 4-6. Empty: the whole poster, after its overview page.</source>
        <translation>Hojas que imprimir, con el nombre de su etiqueta (de A1 a %1) o numeradas de 1 a %2, por ejemplo B2 o 4-6. Vacío: el póster entero, después de su página de vista general.</translation>
    </message>
</context>
<context>
    <name>SaveTilesDefaults</name>
    <message>
        <source>poster</source>
        <translation>póster</translation>
    </message>
    <message>
        <source>images</source>
        <translation>imágenes</translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation>El archivo elegido no es válido.  No se puede continuar.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation>No se puede guardar: tipo de archivo de imagen no válido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>SaveTilesOpening</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation>Información de imagen o de piezas no válida.  No se puede continuar.</translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation>No se puede continuar</translation>
    </message>
</context>
<context>
    <name>SaveTilesTexts</name>
    <message>
        <source>Could not create the folder</source>
        <translation>No se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation>para guardar en ella las imágenes de las piezas del póster</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation>Puede deberse a que no tiene permisos de acceso a la unidad seleccionada, a que el disco está lleno o a que ha indicado un nombre de carpeta no válido</translation>
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
        <translation>La carpeta</translation>
    </message>
    <message>
        <source>already exists</source>
        <translation>ya existe.</translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation>Es posible que se sobrescriban algunos archivos.  ¿Desea continuar?</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>El archivo</translation>
    </message>
    <message>
        <source>It will be replaced.  Do you want to continue?</source>
        <translation>Se reemplazará.  ¿Desea continuar?</translation>
    </message>
    <message>
        <source>Could not create the file</source>
        <translation>No se pudo crear el archivo</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the folder that you selected, the disk drive is full, or that you provided an invalid file name.</source>
        <translation>Puede deberse a que no tiene permisos de acceso a la carpeta seleccionada, a que el disco está lleno o a que ha indicado un nombre de archivo no válido.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation>Error al calcular las coordenadas de las piezas</translation>
    </message>
    <message>
        <source>Error creating FileSystemObject - Windows component missing</source>
        <translation>Error al crear FileSystemObject: falta un componente de Windows</translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation>No se puede continuar</translation>
    </message>
    <message>
        <source>Error creating image object</source>
        <translation>Error al crear el objeto de imagen</translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation>No se puede continuar: los tamaños de impresión de las piezas no son válidos</translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation>Error al aplicar la compensación del recorte de bordes de la impresora</translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation>Sin espacio en disco</translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation>No hay espacio suficiente en la unidad seleccionada.  No se pueden guardar las imágenes.</translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Error al guardar en el disco el archivo de imagen de una pieza.  Es posible que el disco esté lleno.  No se puede continuar.</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Cancelado por el usuario</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>La carpeta ya existe</translation>
    </message>
    <message>
        <source>Saving Images Now</source>
        <translation>Guardando las imágenes</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>El archivo ya existe</translation>
    </message>
    <message>
        <source>Error saving the PDF file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Error al guardar el archivo PDF en el disco.  Es posible que el disco esté lleno.  No se puede continuar.</translation>
    </message>
    <message>
        <source>poster</source>
        <translation>póster</translation>
    </message>
    <message>
        <source>overview</source>
        <translation>vista_general</translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation>No se ha seleccionado la extensión del archivo</translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation>Debe seleccionar la ubicación donde se creará la nueva carpeta de imágenes de las piezas</translation>
    </message>
    <message>
        <source>The base file name must not contain a folder separator (/ or \)</source>
        <translation>El nombre base del archivo no debe contener un separador de carpetas (/ o \)</translation>
    </message>
    <message>
        <source>Error reading the source image</source>
        <translation>Error al leer la imagen de origen</translation>
    </message>
    <message>
        <source>The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger image.</source>
        <translation>Las piezas serían más pequeñas que un píxel de la imagen.  Use menos piezas, menos zoom o una imagen más grande.</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>No hay memoria suficiente</translation>
    </message>
    <message>
        <source>A tile of %1 x %2 pixels is too large for one JPEG picture (at most about %3 megapixels).  Use more tiles, or TIFF or BMP files.</source>
        <translation>Una pieza de %1 x %2 píxeles es demasiado grande para una sola imagen JPEG (como máximo unos %3 megapíxeles).  Use más piezas o archivos TIFF o BMP.</translation>
    </message>
</context>
<context>
    <name>SheetNames</name>
    <message>
        <source>%1 of %2 × %3</source>
        <translation>%1 de %2 × %3</translation>
    </message>
</context>
<context>
    <name>SheetRange</name>
    <message>
        <source>No such sheet or range on a poster of %1 × %2 sheets: %3 (name sheets as they are labelled, A1 to %4, or number them 1 to %5)</source>
        <translation>No existe esa hoja o ese intervalo en un póster de %1 × %2 hojas: %3 (nombre las hojas como están etiquetadas, de A1 a %4, o numérelas de 1 a %5)</translation>
    </message>
</context>
<context>
    <name>SourceImage</name>
    <message>
        <source>The photo&apos;s file %1 has changed or is gone since it was opened. Open it again to use it as it is now.</source>
        <translation>El archivo de la foto %1 ha cambiado o ya no existe desde que se abrió. Ábralo de nuevo para usarlo tal como está ahora.</translation>
    </message>
</context>
<context>
    <name>StatusPictures</name>
    <message>
        <source>Choose a folder that holds your image</source>
        <translation>Elija una carpeta que contenga la imagen</translation>
    </message>
    <message>
        <source>Choose an image from the file list</source>
        <translation>Elija una imagen de la lista de archivos</translation>
    </message>
    <message>
        <source>This file could not be loaded</source>
        <translation>No se pudo cargar este archivo</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Cargando...</translation>
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
        <translation>Ir a la carpeta Mis documentos</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation>Ir a la carpeta Escritorio</translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation>Mostrar piezas</translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation>Mostrar la posición de las piezas del póster</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation>Girar las piezas 90 grados</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation>Ver una vista previa del póster a pantalla completa</translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation>Girar la imagen 90, 180 o 270 grados</translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation>Tamaño final del póster</translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation>Megapíxeles</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Mis documentos</translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation>Millones de píxeles usados en la imagen del póster</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation>Tamaño final del póster</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Calidad</translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation>Calidad de imagen estimada del póster</translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation>Resolución del póster impreso final</translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation>Posición de las piezas</translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation>Ajuste qué parte de la imagen digital se incluye en el póster</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>(center)</source>
        <translation>(centro)</translation>
    </message>
    <message>
        <source>Horizontal centering of the poster Tiles</source>
        <translation>Centrado horizontal de las piezas del póster</translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation>Centrado vertical de las piezas del póster</translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation>Nivel de zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation>Número de piezas</translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation>Igualar piezas de alto y de ancho</translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation>Hacer que el número de piezas de alto sea igual al de piezas de ancho</translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation>Número de piezas de ancho del póster</translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation>Número de piezas de alto del póster</translation>
    </message>
    <message>
        <source>High</source>
        <translation>de alto</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>de ancho</translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation>Guardar imágenes de las piezas</translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation>Generar y guardar ahora las imágenes de las piezas del póster</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Salir del programa</translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation>Tamaño de impresión por pieza</translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation>Editar papel/márgenes</translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation>Ajustar bordes</translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation>Aplicar la compensación de la calibración de bordes al generar las imágenes del póster</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation>Editar los perfiles de calibración de bordes</translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation>Seleccionar el perfil de calibración de bordes activo</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Length units</source>
        <translation>Unidades de longitud</translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation>Recortado</translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation>Tamaño de la pieza una vez recortados los márgenes</translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation>Tamaño total del papel</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation>Tamaño del papel en el que se imprimen las piezas del póster</translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation>Imagen seleccionada</translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation>Filtro de la lista de archivos</translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation>Lista filtrada de archivos de la carpeta seleccionada</translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation>Seleccione la carpeta que contiene la imagen con la que desea hacer un póster</translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation>Cambiar la unidad actual</translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation>Paso (4) - Haga clic para guardar las imágenes</translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation>Paso (3) - Ajuste las piezas y vea el resultado</translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation>Paso (2) - Defina el tamaño de impresión por pieza</translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation>Paso (1) - Seleccione el archivo de imagen</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Herramientas</translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation>Seleccionar papel/márgenes...</translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation>Calibración de bordes...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Contenido...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Acerca de...</translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation>Esta opción compensa el recorte de bordes (la pérdida de los bordes izquierdo, derecho, superior o inferior de una imagen) que produce la impresora.  El recorte de bordes se da sobre todo en la impresión sin bordes.  Haga clic en el botón Editar para crear o modificar un perfil de calibración de bordes para su impresora.  El perfil de calibración de bordes define cuánto recorta los bordes su impresora (consulte el archivo de ayuda para obtener más información).</translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation>Introducción a la calibración de bordes</translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation>No se ha seleccionado ninguna imagen.  Seleccione una imagen de la lista de archivos</translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation>No se ha seleccionado ninguna imagen</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>ancho completo</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>left</source>
        <translation>izquierda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>derecha</translation>
    </message>
    <message>
        <source>up</source>
        <translation>arriba</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abajo</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excelente</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Muy buena</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Buena</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Aceptable</translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation>Buena a distancia</translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation>Aceptable a distancia</translation>
    </message>
    <message>
        <source>Invalid tile configuration</source>
        <translation>Configuración de piezas no válida</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>No válido</translation>
    </message>
    <message>
        <source>The help file</source>
        <translation>El archivo de ayuda</translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation>no se encuentra.  Vuelva a instalar este programa.</translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation>No se encuentra el archivo de ayuda</translation>
    </message>
    <message>
        <source>to</source>
        <translation>y</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation>Tamaño de impresión de pieza no válido</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pulgadas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>full height</source>
        <translation>alto completo</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>puntos</translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation>Ha introducido tamaños de impresión de pieza no válidos.  El ancho y el alto deben estar entre</translation>
    </message>
    <message>
        <source>About Tessellon</source>
        <translation>Acerca de Tessellon</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versión</translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation>Esta aplicación crea pósteres con calidad fotográfica de cualquier tamaño y forma a partir de sus imágenes digitales.  Incluye la tecnología de calibración de bordes, que mide y compensa las características de su impresora.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation>Haga clic en el botón para crear una imagen de prueba de calibración de bordes para el tamaño de impresión seleccionado.  La imagen de prueba tendrá 4 líneas (de 1/16 pulg. de ancho cada una) alrededor del borde.  Imprima la imagen de prueba.   </translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pulg.</translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation>Vista previa del póster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation>Valores de tamaño de impresión no válidos</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Información no válida</translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation>Impresión de prueba de bordes</translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation>Seleccione cuántas de las 4 líneas del borde se ven en cada borde de la impresión de prueba.  El programa usa esta información del &quot;perfil de calibración de bordes&quot; para compensar el recorte que haga su impresora. </translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation>Para el perfil de calibración de bordes seleccionado, indica cuántas de las cuatro líneas de prueba se ven en el borde IZQUIERDO de la impresión de prueba</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation>Para el perfil de calibración de bordes seleccionado, indica cuántas de las cuatro líneas de prueba se ven en el borde DERECHO de la impresión de prueba</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation>Para el perfil de calibración de bordes seleccionado, indica cuántas de las cuatro líneas de prueba se ven en el borde SUPERIOR de la impresión de prueba</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation>Para el perfil de calibración de bordes seleccionado, indica cuántas de las cuatro líneas de prueba se ven en el borde INFERIOR de la impresión de prueba</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation>Archivos de imagen (*.jpg, *.tif, *.bmp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation>Solo archivos JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation>Solo archivos TIFF (*.tif)</translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation>Solo archivos BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation>Mostrar todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation>Sin girar</translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation>Girar a la derecha</translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation>Girar a la izquierda</translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation>Girar 180°</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Solapamiento:</translation>
    </message>
    <message>
        <source>Strip of the picture that neighbouring sheets share, for gluing (0 = sheets meet edge to edge)</source>
        <translation>Franja de la imagen que comparten las hojas vecinas, para pegarlas (0 = las hojas se unen borde con borde)</translation>
    </message>
    <message>
        <source>Invalid overlap.  It must lie between 0 and</source>
        <translation>Solapamiento no válido.  Debe estar entre 0 y</translation>
    </message>
    <message>
        <source>half the tile print size</source>
        <translation>la mitad del tamaño de impresión de la pieza</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Solapamiento</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Foto visible</translation>
    </message>
    <message>
        <source>%1 % of the width, %2 % of the height</source>
        <translation>%1 % del ancho, %2 % del alto</translation>
    </message>
    <message>
        <source>How much of your photo the poster keeps; the poster&apos;s shape and the zoom cut off the rest</source>
        <translation>Cuánto de la foto conserva el póster; la forma del póster y el zoom recortan el resto</translation>
    </message>
    <message>
        <source>Poster Size...</source>
        <translation>Tamaño del póster...</translation>
    </message>
    <message>
        <source>Find the tile counts and sheet turn for a poster size or a number of sheets</source>
        <translation>Buscar el número de piezas y el giro de las hojas para un tamaño de póster o un número de hojas</translation>
    </message>
    <message>
        <source>Fit Photo</source>
        <translation>Ajustar foto</translation>
    </message>
    <message>
        <source>With at most as many sheets as now, choose the tile counts and sheet turn that keep the most of the photo</source>
        <translation>Con no más hojas que ahora, elegir el número de piezas y el giro de las hojas que conservan la mayor parte de la foto</translation>
    </message>
</context>
<context>
    <name>SysInfoWindow</name>
    <message>
        <source>System Information</source>
        <translation>Información del sistema</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the system information to the clipboard</source>
        <translation>Copiar la información del sistema al portapapeles</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>(unknown)</source>
        <translation>(desconocido)</translation>
    </message>
    <message>
        <source>Operating system: </source>
        <translation>Sistema operativo: </translation>
    </message>
    <message>
        <source>Kernel: </source>
        <translation>Núcleo: </translation>
    </message>
    <message>
        <source>CPU architecture: </source>
        <translation>Arquitectura de CPU: </translation>
    </message>
    <message>
        <source>Built for: </source>
        <translation>Compilado para: </translation>
    </message>
    <message>
        <source>Qt version: </source>
        <translation>Versión de Qt: </translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>The TIFF file could not be written</source>
        <translation>No se pudo escribir el archivo TIFF</translation>
    </message>
</context>
<context>
    <name>TileSaver</name>
    <message>
        <source>The tile could not be turned</source>
        <translation>No se pudo girar la pieza</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>inches</source>
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centímetros</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>metros</translation>
    </message>
    <message>
        <source>a length such as 120cm, %1m, 1200mm or 47in; a bare number is in %2</source>
        <translation>una longitud como 120cm, %1m, 1200mm o 47in; un número sin unidad se toma en %2</translation>
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
        <translation>Página web</translation>
    </message>
    <message>
        <source>Visit the Tessellon home page</source>
        <translation>Visitar la página web de Tessellon</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Soporte técnico</translation>
    </message>
    <message>
        <source>Questions, answers and help with Tessellon</source>
        <translation>Preguntas, respuestas y ayuda sobre Tessellon</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Buy a license for Tessellon</source>
        <translation>Comprar una licencia de Tessellon</translation>
    </message>
    <message>
        <source>Copyright © Quillmark Software. All rights reserved.</source>
        <translation>Copyright © Quillmark Software. Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Reload File List</source>
        <translation>&amp;Recargar lista de archivos</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimir...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print the poster&apos;s sheets, each at its exact size</source>
        <translation>Imprimir las hojas del póster, cada una a su tamaño exacto</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>El archivo %1 no existe.</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagen</translation>
    </message>
    <message>
        <source>Paper...</source>
        <translation>Papel...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma del &amp;sistema</translation>
    </message>
</context>
<context>
    <name>tessellon::frmBtm</name>
    <message>
        <source>Edge Calibration</source>
        <translation>Calibración de bordes</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Perfiles de calibración de bordes</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation>Crear un perfil de calibración de bordes nuevo</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation>Cambiar el nombre del perfil de calibración de bordes seleccionado</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation>Eliminar el perfil de calibración de bordes seleccionado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation>Cerrar el cuadro de diálogo de calibración de bordes</translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation>Paso (1) Crear e imprimir la imagen de prueba</translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation>Crear imagen de prueba de calibración de bordes</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print the Edge Calibration test image at the tile print size on a printer</source>
        <translation>Imprimir la imagen de prueba de calibración de bordes en una impresora, al tamaño de impresión de las piezas</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>borde superior</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>borde derecho</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>borde inferior</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>borde izquierdo</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Arriba a la izquierda</translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>Impresión de prueba</translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation>Paso (2) Introduzca la información del perfil de calibración de bordes </translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation>Borde superior</translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation>Borde derecho</translation>
    </message>
    <message>
        <source>Bottom Edge</source>
        <translation>Borde inferior</translation>
    </message>
    <message>
        <source>Left Edge</source>
        <translation>Borde izquierdo</translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation>Cantidad que la impresora recorta de los bordes de las imágenes</translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation>Información de calibración de bordes del perfil seleccionado</translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation>Cantidad que la impresora recorta de cada borde</translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation>Introduzca un nombre para la nueva configuración</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nueva configuración</translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation>Introduzca un nombre nuevo para este perfil de calibración de bordes</translation>
    </message>
</context>
<context>
    <name>tessellon::frmInputBox</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsg</name>
    <message>
        <source>Saving</source>
        <translation>Guardando</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>canceling</source>
        <translation>cancelando</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsgboxYesNo</name>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tessellon::frmPosterSize</name>
    <message>
        <source>Poster Size</source>
        <translation>Tamaño del póster</translation>
    </message>
    <message>
        <source>Give the poster&apos;s width, its height, both, or at most how many sheets, in %1 (or type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns that reach it with the current paper, margins, overlap and edge compensation, the closest first; zoom and centring stay as they are.</source>
        <translation>Indique el ancho del póster, su alto, ambos o el número máximo de hojas, en %1 (o escriba una unidad: 120cm, 1,2m, 47in). Tessellon muestra el número de piezas y el giro de las hojas que lo consiguen con el papel, los márgenes, el solapamiento y la compensación de bordes actuales, empezando por lo más próximo; el zoom y el centrado no cambian.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>The poster at least this wide, in %1; empty for any width</source>
        <translation>Ancho mínimo del póster, en %1; vacío para cualquier ancho</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>A&amp;lto:</translation>
    </message>
    <message>
        <source>The poster at least this high, in %1; empty for any height</source>
        <translation>Alto mínimo del póster, en %1; vacío para cualquier alto</translation>
    </message>
    <message>
        <source>At most &amp;sheets:</source>
        <translation>Máximo de &amp;hojas:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>sin límite</translation>
    </message>
    <message>
        <source>Only arrangements of at most this many sheets</source>
        <translation>Solo disposiciones con este número de hojas como máximo</translation>
    </message>
    <message>
        <source>The whole &amp;photo must show</source>
        <translation>Debe verse la &amp;foto entera</translation>
    </message>
    <message>
        <source>Only arrangements whose shape cuts at most 1 % off a side of the photo</source>
        <translation>Solo disposiciones cuya forma recorte como máximo un 1 % de un lado de la foto</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Piezas</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Hojas</translation>
    </message>
    <message>
        <source>Final size</source>
        <translation>Tamaño final</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Foto visible</translation>
    </message>
    <message>
        <source>Best first: the closest to the size asked, then the one that keeps most of the photo, then the fewest sheets</source>
        <translation>Las mejores primero: la más próxima al tamaño pedido, luego la que conserva más foto y luego la de menos hojas</translation>
    </message>
    <message>
        <source>&amp;Use This</source>
        <translation>&amp;Usar esta</translation>
    </message>
    <message>
        <source>Set the tile counts and the sheet turn of the chosen arrangement</source>
        <translation>Aplicar el número de piezas y el giro de las hojas de la disposición elegida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>%1 is no length: give %2.</source>
        <translation>%1 no es una longitud: indique %2.</translation>
    </message>
    <message>
        <source>The width</source>
        <translation>El ancho</translation>
    </message>
    <message>
        <source>The height</source>
        <translation>El alto</translation>
    </message>
    <message>
        <source>Give a width, a height or a number of sheets.</source>
        <translation>Indique un ancho, un alto o un número de hojas.</translation>
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
        <translation>giradas</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>sin girar</translation>
    </message>
    <message>
        <source>%1 arrangements reach it; the best %2 are listed.</source>
        <translation>%1 disposiciones lo consiguen; se muestran las %2 mejores.</translation>
    </message>
    <message>
        <source>1 arrangement reaches it.</source>
        <translation>1 disposición lo consigue.</translation>
    </message>
    <message>
        <source>%1 arrangements reach it.</source>
        <translation>%1 disposiciones lo consiguen.</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSaveTiles</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation>Guardar los archivos de imagen del póster</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo de archivo</translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation>Formato de archivo de imagen en el que se guardarán las imágenes de las piezas del póster</translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation>Opciones de guardado</translation>
    </message>
    <message>
        <source>Base Filename</source>
        <translation>Nombre base del archivo</translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation>Nombre base que se usará para nombrar los archivos de imagen de las piezas del póster</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Nombre de la nueva carpeta</translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation>Nombre de la nueva carpeta que se creará para guardar las imágenes de las piezas del póster</translation>
    </message>
    <message>
        <source>Assembly Aids</source>
        <translation>Ayudas de montaje</translation>
    </message>
    <message>
        <source>Sheet names (A1, A2, ...)</source>
        <translation>Nombres de las hojas (A1, A2, ...)</translation>
    </message>
    <message>
        <source>PDF: print each sheet&apos;s name and the poster&apos;s layout where no picture shows</source>
        <translation>PDF: imprimir el nombre de cada hoja y la distribución del póster donde no aparece la imagen</translation>
    </message>
    <message>
        <source>Cut and glue marks</source>
        <translation>Marcas de corte y pegado</translation>
    </message>
    <message>
        <source>PDF: mark where overlapping sheets are cut and glued, or the picture&apos;s corners when the sheets do not overlap</source>
        <translation>PDF: marcar dónde se cortan y pegan las hojas que se solapan, o las esquinas de la imagen si las hojas no se solapan</translation>
    </message>
    <message>
        <source>Overview page</source>
        <translation>Página de vista general</translation>
    </message>
    <message>
        <source>PDF: a first page with the whole poster, its sheets and how to put them together</source>
        <translation>PDF: una primera página con el póster entero, sus hojas y cómo montarlas</translation>
    </message>
    <message>
        <source>Overview image</source>
        <translation>Imagen de vista general</translation>
    </message>
    <message>
        <source>Image files: also save a picture of the whole poster with its sheets and their names beside the tiles</source>
        <translation>Archivos de imagen: guardar también, junto a las piezas, una imagen del póster entero con sus hojas y sus nombres</translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation>Ubicación de la nueva carpeta</translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation>Seleccionar la unidad actual</translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation>Seleccione la carpeta en la que desea crear la nueva subcarpeta que contendrá las imágenes de las piezas del póster</translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation>Los archivos se guardarán en</translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation>Paso (1) Elija las preferencias de archivo para las imágenes del póster</translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation>Paso (2) Haga clic para guardar los archivos</translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation>Guardar imágenes ahora</translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation>Haga clic aquí para generar y guardar ahora las imágenes de las piezas del póster</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation>Cerrar este cuadro de diálogo sin generar ni guardar las imágenes de las piezas del póster</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSimpleMsg</name>
    <message>
        <source>Finished</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation>Imágenes guardadas correctamente</translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation>Las imágenes del póster se han guardado correctamente y ya están listas para imprimir.  Se encuentran en la carpeta siguiente:</translation>
    </message>
    <message>
        <source>Poster Saved Successfully</source>
        <translation>Póster guardado correctamente</translation>
    </message>
    <message>
        <source>Your poster was saved successfully and is now ready for you to print at actual size (100 %).  It is the following file:</source>
        <translation>El póster se ha guardado correctamente y ya está listo para imprimirlo a tamaño real (100 %).  Es el archivo siguiente:</translation>
    </message>
</context>
</TS>
