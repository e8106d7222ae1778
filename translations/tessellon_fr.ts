<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BmpCodec</name>
    <message>
        <source>The BMP file could not be written</source>
        <translation>Le fichier BMP n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file</source>
        <translation>L&apos;image est trop grande pour un fichier BMP</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Mémoire insuffisante pour l&apos;image encodée</translation>
    </message>
</context>
<context>
    <name>ClipAmount</name>
    <message>
        <source>None of the image is clipped</source>
        <translation>Aucune partie de l&apos;image n&apos;est rognée</translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation>L&apos;imprimante rogne</translation>
    </message>
    <message>
        <source>of image</source>
        <translation>de l&apos;image</translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation>On voit les 4 bandes</translation>
    </message>
    <message>
        <source>See</source>
        <translation>On voit</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>bandes</translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation>On ne voit aucune bande</translation>
    </message>
</context>
<context>
    <name>CmykConverter</name>
    <message>
        <source>The image&apos;s CMYK colour profile cannot be used.</source>
        <translation>Le profil de couleurs CMYK de l&apos;image ne peut pas être utilisé.</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Mémoire insuffisante pour charger l&apos;image (%1 x %2 pixels).</translation>
    </message>
</context>
<context>
    <name>EdgeTestTargetTexts</name>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation>La taille d&apos;impression personnalisée saisie n&apos;est pas valide. La hauteur et la largeur doivent toutes deux être comprises entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation>pouces. Veuillez saisir des valeurs valides dans la section</translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation>de la fenêtre principale</translation>
    </message>
    <message>
        <source>A</source>
        <translation>Une image de test de</translation>
    </message>
    <message>
        <source>high</source>
        <translation>de haut</translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation>de large va maintenant être créée</translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation>La mire comportera 4 bandes de couleur imprimées le long de chaque bord. Chaque bande mesure</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>de large</translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation>Pour mesurer ce que votre imprimante rogne sur chaque bord, procédez comme suit&#xa0;</translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation>Lorsque vous y êtes invité, enregistrez l&apos;image sur votre disque dur</translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation>Imprimez l&apos;image sur votre imprimante</translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation>Comptez combien des 4 bandes de couleur sont visibles sur chaque bord de votre impression et saisissez ces informations dans la boîte de dialogue ci-dessous.</translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation>Cliquez sur OK pour continuer ou sur Annuler pour abandonner</translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation>Créer la mire de test</translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation>Erreur lors de l&apos;enregistrement de l&apos;image sur le disque</translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation>Erreur lors de l&apos;ajout du texte à l&apos;impression de test des bords</translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation>L&apos;image a bien été enregistrée sur le disque.</translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation>Vous devez ensuite&#xa0;</translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation>Imprimer cette image</translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation>avec la même imprimante, le même papier et les mêmes réglages d&apos;impression que ceux que vous</translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation>utiliserez pour imprimer les images de votre poster</translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation>Compter le nombre de bandes visibles le long de chaque bord de l&apos;impression de test obtenue.</translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation>Vérifier que le profil d&apos;étalonnage des bords que vous souhaitez modifier est bien sélectionné.</translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation>À l&apos;aide des quatre listes déroulantes ci-dessous, indiquer combien de bandes sont visibles sur chaque bord de votre impression (le logiciel sait ainsi ce que votre imprimante rogne sur chaque bord de vos impressions).</translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation>Dimensions d&apos;impression non valides</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation>Création de la mire de test annulée</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation>Nom de fichier image non valide. L&apos;image doit être enregistrée au format bmp, tif ou jpg.</translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation>Type de fichier non valide</translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation>Création de l&apos;image de test terminée</translation>
    </message>
    <message>
        <source>Invalid test image size</source>
        <translation>Taille de l&apos;image de test non valide</translation>
    </message>
    <message>
        <source>No pixels to draw the stripes on</source>
        <translation>Aucun pixel sur lequel dessiner les bandes</translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation>Enregistrer la mire de test</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>PNG and WebP Files (*.png, *.webp)</source>
        <translation>Fichiers PNG et WebP (*.png, *.webp)</translation>
    </message>
    <message>
        <source>All Supported Images (%1)</source>
        <translation>Toutes les images prises en charge (%1)</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Lecteur non valide</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>Le lecteur choisi n&apos;est pas accessible.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Could not determine the location of the %1 folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>Impossible de déterminer l&apos;emplacement du dossier %1. Veuillez y accéder manuellement à l&apos;aide de la liste des dossiers ci-dessous.</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>c&apos;est un tube nommé (FIFO), pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>c&apos;est un périphérique, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>c&apos;est un socket, pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>a link of that name cannot be removed (%1)</source>
        <translation>un lien portant ce nom ne peut pas être supprimé (%1)</translation>
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
        <translation> - Aide</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
</context>
<context>
    <name>ImageFileReader</name>
    <message>
        <source>No decoder for this file&apos;s images is installed (libheif: %1).</source>
        <translation>Aucun décodeur n&apos;est installé pour les images de ce fichier (libheif&#xa0;: %1).</translation>
    </message>
    <message>
        <source>The image is too large for the HEIF decoder (%1).</source>
        <translation>L&apos;image est trop grande pour le décodeur HEIF (%1).</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete: %1.</source>
        <translation>L&apos;image est endommagée ou incomplète&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation>Mémoire insuffisante pour lire le fichier.</translation>
    </message>
    <message>
        <source>No decoder for %1 images is installed.</source>
        <translation>Aucun décodeur n&apos;est installé pour les images %1.</translation>
    </message>
    <message>
        <source>The image is damaged: it decodes to no pixels.</source>
        <translation>L&apos;image est endommagée&#xa0;: son décodage ne donne aucun pixel.</translation>
    </message>
    <message>
        <source>Not enough memory to turn the image upright</source>
        <translation>Mémoire insuffisante pour redresser l&apos;image</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model, which Tessellon converts for JPEG files only. Convert it to RGB in an image editor first.</source>
        <translation>L&apos;image utilise le modèle de couleurs CMYK, que Tessellon ne convertit que pour les fichiers JPEG. Convertissez-la d&apos;abord en RVB dans un éditeur d&apos;images.</translation>
    </message>
    <message>
        <source>The image is damaged: its colour table (palette) is missing.</source>
        <translation>L&apos;image est endommagée&#xa0;: sa table des couleurs (palette) est absente.</translation>
    </message>
    <message>
        <source>This is a folder, not an image file.</source>
        <translation>Ceci est un dossier, pas un fichier image.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>Le fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Its name holds bytes that are not UTF-8 text, so it cannot be named exactly; rename the file.</source>
        <translation>Son nom contient des octets qui ne sont pas du texte UTF-8&#xa0;: le fichier ne peut donc pas être désigné exactement&#xa0;; renommez-le.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Le fichier n&apos;a pas pu être ouvert&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Le fichier est vide.</translation>
    </message>
    <message>
        <source>The file is too large for this computer&apos;s memory (%1 MB; Tessellon uses at most %2 MB for one image).</source>
        <translation>Le fichier est trop volumineux pour la mémoire de cet ordinateur (%1 Mo&#xa0;; Tessellon utilise au plus %2 Mo pour une image).</translation>
    </message>
    <message>
        <source>The file became shorter while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Le fichier a raccourci pendant sa lecture (il est peut-être encore en cours d&apos;écriture ou de copie). Réessayez lorsqu&apos;il sera complet.</translation>
    </message>
    <message>
        <source>The file changed while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>Le fichier a changé pendant sa lecture (il est peut-être encore en cours d&apos;écriture ou de copie). Réessayez lorsqu&apos;il sera complet.</translation>
    </message>
    <message>
        <source>This is not an image file that Tessellon can open (%1).</source>
        <translation>Ce n&apos;est pas un fichier image que Tessellon sait ouvrir (%1).</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name has no extension.</source>
        <translation>Le fichier contient une image %1, mais son nom n&apos;a pas d&apos;extension.</translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name ends in &quot;.%2&quot;.</source>
        <translation>Le fichier contient une image %1, mais son nom se termine par «&#xa0;.%2&#xa0;».</translation>
    </message>
    <message>
        <source>Rename it to end in %1.</source>
        <translation>Renommez-le pour qu&apos;il se termine par %1.</translation>
    </message>
    <message>
        <source>The image is damaged: its header gives no picture size.</source>
        <translation>L&apos;image est endommagée&#xa0;: son en-tête n&apos;indique aucune taille d&apos;image.</translation>
    </message>
    <message>
        <source>The image is too large for this computer&apos;s memory: %1 x %2 pixels need %3 MB, and Tessellon uses at most %4 MB for one image.</source>
        <translation>L&apos;image est trop grande pour la mémoire de cet ordinateur&#xa0;: %1 x %2 pixels nécessitent %3 Mo, et Tessellon utilise au plus %4 Mo pour une image.</translation>
    </message>
    <message>
        <source>The image is damaged: the file is far too small (%1 KB) for the %2 x %3 pixels it claims.</source>
        <translation>L&apos;image est endommagée&#xa0;: le fichier est bien trop petit (%1 Ko) pour les %2 x %3 pixels annoncés.</translation>
    </message>
    <message>
        <source>The image is damaged: part of the BMP file&apos;s pixel data is missing.</source>
        <translation>L&apos;image est endommagée&#xa0;: une partie des données de pixels du fichier BMP est manquante.</translation>
    </message>
    <message>
        <source>The image is damaged: the BMP file&apos;s colour masks are not valid.</source>
        <translation>L&apos;image est endommagée&#xa0;: les masques de couleur du fichier BMP ne sont pas valides.</translation>
    </message>
    <message>
        <source>The image is damaged: a run of the BMP file&apos;s pixels goes past the end of its row.</source>
        <translation>L&apos;image est endommagée&#xa0;: une suite de pixels du fichier BMP dépasse la fin de sa ligne.</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started.</source>
        <translation>Le décodeur JPEG n&apos;a pas pu être démarré.</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read (%1).</source>
        <translation>L&apos;image est endommagée&#xa0;: son en-tête est illisible (%1).</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model without a CMYK colour profile to convert it by. Convert it to RGB in an image editor first.</source>
        <translation>L&apos;image utilise le modèle de couleurs CMYK sans profil de couleurs CMYK permettant de la convertir. Convertissez-la d&apos;abord en RVB dans un éditeur d&apos;images.</translation>
    </message>
    <message>
        <source>The image is damaged, or no decoder for %1 images is installed</source>
        <translation>L&apos;image est endommagée, ou aucun décodeur n&apos;est installé pour les images %1</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read</source>
        <translation>L&apos;image est endommagée&#xa0;: son en-tête est illisible</translation>
    </message>
    <message>
        <source>This image cannot be decoded at a reduced size.</source>
        <translation>Cette image ne peut pas être décodée à une taille réduite.</translation>
    </message>
    <message>
        <source>Only the header of the file was read.</source>
        <translation>Seul l&apos;en-tête du fichier a été lu.</translation>
    </message>
    <message>
        <source>The decode was stopped</source>
        <translation>Le décodage a été interrompu</translation>
    </message>
    <message>
        <source>The image is damaged: its pixels do not match its size.</source>
        <translation>L&apos;image est endommagée&#xa0;: ses pixels ne correspondent pas à sa taille.</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete</source>
        <translation>L&apos;image est endommagée ou incomplète</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Mémoire insuffisante pour charger l&apos;image (%1 x %2 pixels).</translation>
    </message>
</context>
<context>
    <name>ImageLoader</name>
    <message>
        <source>Invalid Image File Selected</source>
        <translation>Fichier image sélectionné non valide</translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation>L&apos;image sélectionnée est EXTRÊMEMENT petite. Sa hauteur ou sa largeur est inférieure à la taille minimale autorisée de </translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation> pixels. Veuillez choisir une image plus grande.  </translation>
    </message>
</context>
<context>
    <name>ImageObject</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Le fichier n&apos;a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Le fichier n&apos;a pas pu être écrit&#xa0;: %1</translation>
    </message>
    <message>
        <source>The file could not be completed: %1</source>
        <translation>Le fichier n&apos;a pas pu être finalisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Text can only be drawn by the graphical application</source>
        <translation>Seule l&apos;application graphique peut dessiner du texte</translation>
    </message>
    <message>
        <source>Invalid font size %1</source>
        <translation>Taille de police non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation>Le tableau de pixels est vide</translation>
    </message>
    <message>
        <source>An image of %1 x %2 pixels cannot be created</source>
        <translation>Impossible de créer une image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>There is no image to resample</source>
        <translation>Aucune image à rééchantillonner</translation>
    </message>
    <message>
        <source>Invalid image size %1 x %2</source>
        <translation>Taille d&apos;image non valide&#xa0;: %1 x %2</translation>
    </message>
    <message>
        <source>Not enough memory to resample the image</source>
        <translation>Mémoire insuffisante pour rééchantillonner l&apos;image</translation>
    </message>
    <message>
        <source>There is no image to rotate</source>
        <translation>Aucune image à faire pivoter</translation>
    </message>
    <message>
        <source>Invalid rotation angle %1</source>
        <translation>Angle de rotation non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not enough memory to rotate the image</source>
        <translation>Mémoire insuffisante pour faire pivoter l&apos;image</translation>
    </message>
    <message>
        <source>Invalid resolution %1</source>
        <translation>Résolution non valide&#xa0;: %1</translation>
    </message>
    <message>
        <source>Unknown image attribute</source>
        <translation>Attribut d&apos;image inconnu</translation>
    </message>
    <message>
        <source>There is no image to save</source>
        <translation>Aucune image à enregistrer</translation>
    </message>
    <message>
        <source>%1 is not an image file format</source>
        <translation>%1 n&apos;est pas un format de fichier image</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Mémoire insuffisante pour l&apos;image encodée</translation>
    </message>
    <message>
        <source>The image could not be encoded: %1</source>
        <translation>L&apos;image n&apos;a pas pu être encodée&#xa0;: %1</translation>
    </message>
    <message>
        <source>There is no image to draw on</source>
        <translation>Aucune image sur laquelle dessiner</translation>
    </message>
    <message>
        <source>The image cannot be drawn on</source>
        <translation>Impossible de dessiner sur cette image</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation>Erreur lors de l&apos;initialisation de l&apos;objet image. Impossible de continuer.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>The file is not a JPEG image</source>
        <translation>Le fichier n&apos;est pas une image JPEG</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started</source>
        <translation>Le décodeur JPEG n&apos;a pas pu être démarré</translation>
    </message>
    <message>
        <source>The JPEG header is damaged: %1</source>
        <translation>L&apos;en-tête JPEG est endommagé&#xa0;: %1</translation>
    </message>
    <message>
        <source>CMYK JPEG images are not supported by this decoder</source>
        <translation>Les images JPEG CMYK ne sont pas prises en charge par ce décodeur</translation>
    </message>
    <message>
        <source>The image is too large to load (%1 x %2 pixels)</source>
        <translation>L&apos;image est trop grande pour être chargée (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels)</source>
        <translation>Mémoire insuffisante pour charger l&apos;image (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>The JPEG image is damaged or incomplete: %1</source>
        <translation>L&apos;image JPEG est endommagée ou incomplète&#xa0;: %1</translation>
    </message>
    <message>
        <source>Not enough memory to load the image</source>
        <translation>Mémoire insuffisante pour charger l&apos;image</translation>
    </message>
    <message>
        <source>There is no image to encode</source>
        <translation>Aucune image à encoder</translation>
    </message>
    <message>
        <source>The JPEG encoder could not be started</source>
        <translation>L&apos;encodeur JPEG n&apos;a pas pu être démarré</translation>
    </message>
    <message>
        <source>The image is too large to encode</source>
        <translation>L&apos;image est trop grande pour être encodée</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Mémoire insuffisante pour l&apos;image encodée</translation>
    </message>
    <message>
        <source>JPEG encoding failed: %1</source>
        <translation>Échec de l&apos;encodage JPEG&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PaperDialogTexts</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation>Définir la taille d&apos;impression des tuiles</translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation>(1) Choisir les unités</translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation>(2) Choisir le format du papier</translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation>Choisissez le format du papier (ou Personnalisé)</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation>Largeur totale du papier (marges comprises)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation>Hauteur totale du papier (marges comprises)</translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation>(3) Choisir les marges d&apos;impression</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Marge supérieure&#xa0;:</translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation>Marge droite&#xa0;:</translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation>Marge inférieure&#xa0;:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Marge gauche&#xa0;:</translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation>Choisissez ou saisissez la marge supérieure</translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation>Choisissez ou saisissez la marge droite</translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation>Choisissez ou saisissez la marge inférieure</translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation>Choisissez ou saisissez la marge gauche</translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation>Gauche=Droite, Haut=Bas</translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation>Forcer l&apos;égalité des marges gauche/droite et haut/bas</translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation>Sans marges (bord à bord)</translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation>Mettre toutes les marges à zéro (pour les impressions sans marges)</translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation>Rétablir les marges par défaut</translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation>Rétablir les marges par défaut du format de papier sélectionné</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Marges de l&apos;imprimante</translation>
    </message>
    <message>
        <source>Set the margins to what the printer &quot;%1&quot; cannot print at the edges of this paper</source>
        <translation>Régler les marges sur les zones que l&apos;imprimante «&#xa0;%1&#xa0;» ne peut pas imprimer au bord de ce papier</translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation>(4) Résultats&#xa0;:</translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation>Taille AVANT retrait des marges&#xa0;:</translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation>Taille totale du papier, marges comprises</translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation>Taille APRÈS retrait des marges&#xa0;:</translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation>Taille d&apos;une tuile du poster (taille d&apos;impression APRÈS retrait des marges)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation>Valider les valeurs d&apos;impression et de marges actuelles</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation>Valider les valeurs d&apos;impression et de marges actuelles et revenir à la fenêtre principale</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation>Ne pas valider les valeurs d&apos;impression et de marges actuelles</translation>
    </message>
</context>
<context>
    <name>PaperModel</name>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre US</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>Légal US</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Toile</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personnalisé</translation>
    </message>
    <message>
        <source> (inches)</source>
        <translation> (pouces)</translation>
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
        <translation>(Marges en MILLIMÈTRES)</translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation>(Marges en POUCES)</translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation>Valeurs saisies non valides</translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation>Largeur ou hauteur du papier non valide</translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation>Format de papier non valide&#xa0;: il est trop petit. La taille minimale est de</translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation>Vous avez saisi des valeurs de marges non valides.</translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation>Valeur de marge non valide&#xa0;: elle ne peut pas être négative</translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation>Marges gauche / droite non valides. Ensemble, elles dépassent la largeur du papier.</translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation>Marges haut / bas non valides. Ensemble, elles dépassent la hauteur du papier.</translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation>Format de papier trop petit</translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation>Format de papier trop grand</translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation>Papier/marges trop petits</translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation>Papier/marges trop grands</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation>Format de papier saisi non valide</translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation>Marges sélectionnées non valides</translation>
    </message>
</context>
<context>
    <name>PdfPosterWriter</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Le fichier n&apos;a pas pu être créé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The PDF could not be started (%1)</source>
        <translation>Le PDF n&apos;a pas pu être commencé (%1)</translation>
    </message>
    <message>
        <source>The PDF is not open</source>
        <translation>Le PDF n&apos;est pas ouvert</translation>
    </message>
    <message>
        <source>The colour profile is not an RGB profile</source>
        <translation>Le profil de couleurs n&apos;est pas un profil RVB</translation>
    </message>
    <message>
        <source>The colour profile could not be written (%1)</source>
        <translation>Le profil de couleurs n&apos;a pas pu être écrit (%1)</translation>
    </message>
    <message>
        <source>A page cannot be started here</source>
        <translation>Impossible de commencer une page ici</translation>
    </message>
    <message>
        <source>The page could not be made (%1)</source>
        <translation>La page n&apos;a pas pu être créée (%1)</translation>
    </message>
    <message>
        <source>No page to draw on</source>
        <translation>Aucune page sur laquelle dessiner</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>L&apos;image est vide</translation>
    </message>
    <message>
        <source>The picture could not be written (%1)</source>
        <translation>L&apos;image n&apos;a pas pu être écrite (%1)</translation>
    </message>
    <message>
        <source>The text font is missing</source>
        <translation>La police du texte est manquante</translation>
    </message>
    <message>
        <source>The text could not be written (%1)</source>
        <translation>Le texte n&apos;a pas pu être écrit (%1)</translation>
    </message>
    <message>
        <source>No page to end</source>
        <translation>Aucune page à terminer</translation>
    </message>
    <message>
        <source>The page could not be written (%1)</source>
        <translation>La page n&apos;a pas pu être écrite (%1)</translation>
    </message>
    <message>
        <source>The PDF is not complete</source>
        <translation>Le PDF n&apos;est pas complet</translation>
    </message>
    <message>
        <source>The PDF could not be completed (%1)</source>
        <translation>Le PDF n&apos;a pas pu être finalisé (%1)</translation>
    </message>
    <message>
        <source>The PDF could not be saved: %1</source>
        <translation>Le PDF n&apos;a pas pu être enregistré&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>PosterArrangements</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 de large</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 de haut</translation>
    </message>
    <message>
        <source>at most 1 sheet</source>
        <translation>1 feuille au plus</translation>
    </message>
    <message>
        <source>at most %1 sheets</source>
        <translation>%1 feuilles au plus</translation>
    </message>
    <message>
        <source>the whole photo</source>
        <translation>la photo entière</translation>
    </message>
    <message>
        <source>%1 x %2 sheets, %3</source>
        <translation>%1 x %2 feuilles, %3</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>tournées</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>non tournées</translation>
    </message>
    <message>
        <source>No arrangement reaches %1</source>
        <translation>Aucune disposition possible pour %1</translation>
    </message>
</context>
<context>
    <name>PosterOverview</name>
    <message>
        <source>Poster overview</source>
        <translation>Vue d&apos;ensemble du poster</translation>
    </message>
    <message>
        <source>Final size: %1</source>
        <translation>Taille finale&#xa0;: %1</translation>
    </message>
    <message>
        <source>Paper: %1, %2 %3</source>
        <translation>Papier&#xa0;: %1, %2 %3</translation>
    </message>
    <message>
        <source>Sheets: %1, %2 across and %3 down</source>
        <translation>Feuilles&#xa0;: %1, %2 en largeur et %3 en hauteur</translation>
    </message>
    <message>
        <source>Overlap: %1 %2</source>
        <translation>Chevauchement&#xa0;: %1 %2</translation>
    </message>
    <message>
        <source>Photo shown: %1</source>
        <translation>Photo conservée&#xa0;: %1</translation>
    </message>
    <message>
        <source>Print the sheets at 100% (actual size) on this paper; this page is not part of the poster.</source>
        <translation>Imprimez les feuilles à 100&#xa0;% (taille réelle) sur ce papier&#xa0;; cette page ne fait pas partie du poster.</translation>
    </message>
    <message>
        <source>Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.</source>
        <translation>Disposez les feuilles comme indiqué&#xa0;: A1 en haut à gauche, A2 à sa droite, B1 en dessous.</translation>
    </message>
    <message>
        <source>The sheets print turned: the top of the poster is at each sheet&apos;s left edge. Turn every sheet a quarter turn clockwise before laying it out.</source>
        <translation>Les feuilles sont imprimées tournées&#xa0;: le haut du poster se trouve sur le bord gauche de chaque feuille. Faites pivoter chaque feuille d&apos;un quart de tour dans le sens horaire avant de la disposer.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: cut each along its cut line, lay it over the glue area of its neighbour so that the pictures match, and glue it there.</source>
        <translation>Les feuilles de droite et du dessous se posent par-dessus&#xa0;: découpez chacune le long de son trait de coupe, posez-la sur la zone de collage de sa voisine de sorte que les images coïncident, et collez-la.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: trim off any margin on their left and top edges, lay them over the shared strip of their neighbour so that the pictures match, and glue them there.</source>
        <translation>Les feuilles de droite et du dessous se posent par-dessus&#xa0;: coupez les éventuelles marges de leurs bords gauche et supérieur, posez-les sur la bande commune de leur voisine de sorte que les images coïncident, et collez-les.</translation>
    </message>
    <message>
        <source>The sheets have no margins: butt them edge to edge.</source>
        <translation>Les feuilles n&apos;ont pas de marges&#xa0;: placez-les bord à bord.</translation>
    </message>
    <message>
        <source>Trim every sheet at its corner crop marks, where the picture ends, then butt the sheets edge to edge.</source>
        <translation>Coupez chaque feuille à ses traits de coupe d&apos;angle, là où l&apos;image s&apos;arrête, puis placez les feuilles bord à bord.</translation>
    </message>
    <message>
        <source>Trim the margins off every sheet along the edge of the picture, then butt the sheets edge to edge.</source>
        <translation>Coupez les marges de chaque feuille le long du bord de l&apos;image, puis placez les feuilles bord à bord.</translation>
    </message>
    <message>
        <source>Start at A1 and work to the right and down; tape or glue the sheets to a backing board or the wall.</source>
        <translation>Commencez par A1 et progressez vers la droite et vers le bas&#xa0;; fixez les feuilles avec du ruban adhésif ou de la colle sur un support rigide ou au mur.</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>The poster&apos;s sheets are %1, but the printer&apos;s paper is %2. Printed on it, every sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the poster would not line up.</source>
        <translation>Les feuilles du poster sont au format %1, mais le papier de l&apos;imprimante est au format %2. Imprimée sur ce papier, chaque feuille serait rognée ou décalée, et Tessellon ne réduit jamais une feuille pour l&apos;adapter&#xa0;: le poster ne s&apos;assemblerait pas correctement.</translation>
    </message>
    <message>
        <source>%1 x %2 mm, %3 x %4 in</source>
        <translation>%1 x %2 mm, %3 x %4 pouces</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Erreur d&apos;impression</translation>
    </message>
    <message>
        <source>Preparing the sheets for the printer</source>
        <translation>Préparation des feuilles pour l&apos;imprimante</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Aucune imprimante n&apos;est installée.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>Il n&apos;existe aucune imprimante nommée «&#xa0;%1&#xa0;».</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no paper of %2.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» ne propose pas de papier de %2.</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Marges de l&apos;imprimante</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or has an error; start it again (or choose another printer) and print once more. Nothing was sent.</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» est arrêtée ou en erreur&#xa0;; redémarrez-la (ou choisissez une autre imprimante) et relancez l&apos;impression. Rien n&apos;a été envoyé.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the print job: %2</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» a refusé la tâche d&apos;impression&#xa0;: %2</translation>
    </message>
    <message>
        <source>The print job could not be started: %1</source>
        <translation>La tâche d&apos;impression n&apos;a pas pu être lancée&#xa0;: %1</translation>
    </message>
    <message>
        <source>The print job could not be handed to the printer.</source>
        <translation>La tâche d&apos;impression n&apos;a pas pu être transmise à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Impression terminée</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Feuilles</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Printing canceled; nothing was sent to the printer.</source>
        <translation>Impression annulée&#xa0;; rien n&apos;a été envoyé à l&apos;imprimante.</translation>
    </message>
    <message>
        <source>Paper Differs</source>
        <translation>Papier différent</translation>
    </message>
    <message>
        <source>Print at actual size anyway (Yes), or go back to the print dialog (No)?</source>
        <translation>Imprimer quand même en taille réelle (Oui) ou revenir à la boîte de dialogue d&apos;impression (Non)&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) sent to %1.</source>
        <translation>
            <numerusform>%n page envoyée à %1.</numerusform>
            <numerusform>%n pages envoyées à %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>the old file cannot be kept</source>
        <translation>l&apos;ancien fichier ne peut pas être conservé</translation>
    </message>
    <message>
        <source>default</source>
        <translation>par défaut</translation>
    </message>
    <message>
        <source>Kodak photo lab default</source>
        <translation>Labo photo Kodak (par défaut)</translation>
    </message>
    <message>
        <source>Fuji photo lab default</source>
        <translation>Labo photo Fuji (par défaut)</translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation>Vous devez avoir au moins un profil d&apos;étalonnage des bords. Vous ne pouvez pas supprimer le seul profil existant.</translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation>Impossible de supprimer le profil</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation>Voulez-vous vraiment supprimer le profil d&apos;étalonnage des bords sélectionné</translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation>Supprimer le profil d&apos;étalonnage des bords</translation>
    </message>
    <message>
        <source>A profile name can not contain a tab or a line break.  Please type the name on one line, without tabs.</source>
        <translation>Un nom de profil ne peut pas contenir de tabulation ni de saut de ligne. Veuillez saisir le nom sur une seule ligne, sans tabulation.</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Nom de profil non valide</translation>
    </message>
    <message>
        <source>You can not have more than 199 Edge Calibration Profiles.  Please delete a profile before you create a new one.</source>
        <translation>Vous ne pouvez pas avoir plus de 199 profils d&apos;étalonnage des bords. Veuillez supprimer un profil avant d&apos;en créer un nouveau.</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Profils d&apos;étalonnage des bords</translation>
    </message>
    <message>
        <source>Your edge calibration profile file could not be read exactly as it was written.  The original file has been kept as:
%1</source>
        <translation>Votre fichier de profils d&apos;étalonnage des bords n&apos;a pas pu être relu exactement tel qu&apos;il avait été écrit. Le fichier d&apos;origine a été conservé sous&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison&#xa0;: %1</translation>
    </message>
    <message>
        <source>Your change to the edge calibration profiles could not be saved in:
%1
It is kept until Tessellon is closed.</source>
        <translation>Votre modification des profils d&apos;étalonnage des bords n&apos;a pas pu être enregistrée dans&#xa0;:
%1
Elle est conservée jusqu&apos;à la fermeture de Tessellon.</translation>
    </message>
    <message>
        <source>The application folder can not be written to.  Your edge calibration profiles are now stored in:
%1</source>
        <translation>Le dossier de l&apos;application n&apos;est pas accessible en écriture. Vos profils d&apos;étalonnage des bords sont désormais enregistrés dans&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Can not create profile</source>
        <translation>Impossible de créer le profil</translation>
    </message>
</context>
<context>
    <name>QtPrintDialogService</name>
    <message>
        <source>Sheets</source>
        <translation>Feuilles</translation>
    </message>
    <message>
        <source>Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, such as B2 or 4-6. Empty: the whole poster, after its overview page.</source>
        <translation>Feuilles à imprimer, désignées par leur étiquette (A1 à %1) ou numérotées de 1 à %2, par exemple B2 ou 4-6. Vide&#xa0;: le poster entier, après sa page de vue d&apos;ensemble.</translation>
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
        <translation>images</translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation>Fichier choisi non valide. Impossible de continuer.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème</translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation>Enregistrement impossible&#xa0;: type de fichier image non valide</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
</context>
<context>
    <name>SaveTilesOpening</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation>Informations d&apos;image ou de tuiles non valides. Impossible de continuer.</translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation>Impossible de continuer</translation>
    </message>
</context>
<context>
    <name>SaveTilesTexts</name>
    <message>
        <source>Could not create the folder</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation>destiné aux images des tuiles de votre poster</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation>Causes possibles&#xa0;: vous n&apos;avez pas les droits d&apos;accès au lecteur choisi, le disque est plein, ou le nom de dossier indiqué n&apos;est pas valide</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problème&#xa0;</translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation>Raison&#xa0;: %1</translation>
    </message>
    <message>
        <source>The folder</source>
        <translation>Le dossier</translation>
    </message>
    <message>
        <source>already exists</source>
        <translation>existe déjà.</translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation>Certains fichiers risquent d&apos;être remplacés. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>Le fichier</translation>
    </message>
    <message>
        <source>It will be replaced.  Do you want to continue?</source>
        <translation>Il sera remplacé. Voulez-vous continuer&#xa0;?</translation>
    </message>
    <message>
        <source>Could not create the file</source>
        <translation>Impossible de créer le fichier</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the folder that you selected, the disk drive is full, or that you provided an invalid file name.</source>
        <translation>Causes possibles&#xa0;: vous n&apos;avez pas les droits d&apos;accès au dossier choisi, le disque est plein, ou le nom de fichier indiqué n&apos;est pas valide.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation>Erreur lors du calcul des coordonnées des tuiles</translation>
    </message>
    <message>
        <source>Error creating FileSystemObject - Windows component missing</source>
        <translation>Erreur lors de la création de FileSystemObject&#xa0;: composant Windows manquant</translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation>Impossible de continuer</translation>
    </message>
    <message>
        <source>Error creating image object</source>
        <translation>Erreur lors de la création de l&apos;objet image</translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation>Impossible de continuer&#xa0;: tailles d&apos;impression des tuiles non valides</translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation>Erreur lors de la compensation du rognage des bords par l&apos;imprimante</translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation>Espace disque insuffisant</translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation>Espace insuffisant sur le lecteur sélectionné. Impossible d&apos;enregistrer les images.</translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Erreur lors de l&apos;enregistrement d&apos;une image de tuile sur le disque. Le disque est peut-être plein. Impossible de continuer.</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Annulé par l&apos;utilisateur</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>Le dossier existe</translation>
    </message>
    <message>
        <source>Saving Images Now</source>
        <translation>Enregistrement des images en cours</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>Le fichier existe</translation>
    </message>
    <message>
        <source>Error saving the PDF file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Erreur lors de l&apos;enregistrement du fichier PDF sur le disque. Le disque est peut-être plein. Impossible de continuer.</translation>
    </message>
    <message>
        <source>poster</source>
        <translation>poster</translation>
    </message>
    <message>
        <source>overview</source>
        <translation>ensemble</translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation>Extension de fichier non choisie</translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation>Vous devez choisir l&apos;emplacement où sera créé le nouveau dossier des images des tuiles</translation>
    </message>
    <message>
        <source>The base file name must not contain a folder separator (/ or \)</source>
        <translation>Le nom de fichier de base ne doit pas contenir de séparateur de dossier (/ ou \)</translation>
    </message>
    <message>
        <source>Error reading the source image</source>
        <translation>Erreur de lecture de l&apos;image source</translation>
    </message>
    <message>
        <source>The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger image.</source>
        <translation>Les tuiles seraient plus petites qu&apos;un pixel de l&apos;image. Utilisez moins de tuiles, un zoom plus faible ou une image plus grande.</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Mémoire insuffisante</translation>
    </message>
    <message>
        <source>A tile of %1 x %2 pixels is too large for one JPEG picture (at most about %3 megapixels).  Use more tiles, or TIFF or BMP files.</source>
        <translation>Une tuile de %1 x %2 pixels est trop grande pour une image JPEG (environ %3 mégapixels au maximum). Utilisez plus de tuiles, ou des fichiers TIFF ou BMP.</translation>
    </message>
</context>
<context>
    <name>SheetNames</name>
    <message>
        <source>%1 of %2 × %3</source>
        <translation>%1 sur %2 × %3</translation>
    </message>
</context>
<context>
    <name>SheetRange</name>
    <message>
        <source>No such sheet or range on a poster of %1 × %2 sheets: %3 (name sheets as they are labelled, A1 to %4, or number them 1 to %5)</source>
        <translation>Feuille ou plage inexistante sur un poster de %1 × %2 feuilles&#xa0;: %3 (désignez les feuilles par leur étiquette, de A1 à %4, ou numérotez-les de 1 à %5)</translation>
    </message>
</context>
<context>
    <name>SourceImage</name>
    <message>
        <source>The photo&apos;s file %1 has changed or is gone since it was opened. Open it again to use it as it is now.</source>
        <translation>Le fichier de la photo %1 a été modifié ou a disparu depuis son ouverture. Ouvrez-le à nouveau pour l’utiliser tel qu’il est maintenant.</translation>
    </message>
</context>
<context>
    <name>StatusPictures</name>
    <message>
        <source>Choose a folder that holds your image</source>
        <translation>Choisissez le dossier qui contient votre image</translation>
    </message>
    <message>
        <source>Choose an image from the file list</source>
        <translation>Choisissez une image dans la liste des fichiers</translation>
    </message>
    <message>
        <source>This file could not be loaded</source>
        <translation>Ce fichier n&apos;a pas pu être chargé</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Chargement...</translation>
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
        <translation>Aller au dossier Mes documents</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation>Aller au dossier Bureau</translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation>Afficher les tuiles</translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation>Afficher l&apos;emplacement des tuiles du poster</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation>Faire pivoter les tuiles de 90 degrés</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation>Afficher un aperçu de votre poster en plein écran</translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation>Faire pivoter l&apos;image de 90, 180 ou 270 degrés</translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation>Taille finale du poster</translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation>Mégapixels</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Mes documents</translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation>Millions de pixels utilisés dans l&apos;image du poster</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation>Taille finale de votre poster</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualité</translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation>Qualité d&apos;image estimée de votre poster</translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation>Résolution de votre poster une fois imprimé</translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation>Position des tuiles</translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation>Choisissez la partie de votre image numérique à inclure dans le poster</translation>
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
        <translation>(centre)</translation>
    </message>
    <message>
        <source>Horizontal centering of the poster Tiles</source>
        <translation>Centrage horizontal des tuiles du poster</translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation>Centrage vertical des tuiles du poster</translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation>Niveau de zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation>Nombre de tuiles</translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation>Autant en hauteur qu&apos;en largeur</translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation>Forcer le même nombre de tuiles en hauteur et en largeur</translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation>Nombre de tuiles du poster en largeur</translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation>Nombre de tuiles du poster en hauteur</translation>
    </message>
    <message>
        <source>High</source>
        <translation>En hauteur</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>En largeur</translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation>Enregistrer les tuiles du poster</translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation>Générer et enregistrer maintenant les images des tuiles du poster</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Quitter le programme</translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation>Taille d&apos;impression par tuile</translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation>Modifier le papier et les marges</translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation>Corriger les bords</translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation>Appliquer la compensation d&apos;étalonnage des bords lors de la création des images du poster</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation>Modifier les profils d&apos;étalonnage des bords</translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation>Choisir le profil d&apos;étalonnage des bords actif</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unités</translation>
    </message>
    <message>
        <source>Length units</source>
        <translation>Unités de longueur</translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation>Zone utile</translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation>Taille de la tuile une fois les marges retirées</translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation>Taille totale du papier</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papier</translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation>Format du papier sur lequel les tuiles du poster sont imprimées</translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation>Image actuellement sélectionnée</translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation>Filtre de la liste des fichiers</translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation>Liste filtrée des fichiers du dossier sélectionné</translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation>Choisissez le dossier contenant l&apos;image dont vous voulez faire un poster</translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation>Changer de lecteur</translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation>Étape (4) - Cliquer pour enregistrer les images des tuiles</translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation>Étape (3) - Ajuster les tuiles, voir le résultat</translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation>Étape (2) - Définir la taille d&apos;impression des tuiles</translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation>Étape (1) - Choisir le fichier image</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Outils</translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation>Papier et marges...</translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation>Étalonnage des bords...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Sommaire...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>À propos...</translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation>Cette option compense le rognage des bords (la perte d&apos;une partie des bords gauche, droit, supérieur ou inférieur de l&apos;image) que provoque votre imprimante. Le rognage se produit surtout lors de l&apos;impression sans marges. Cliquez sur le bouton Modifier pour créer ou modifier un profil d&apos;étalonnage des bords pour votre imprimante. Le profil d&apos;étalonnage des bords indique combien votre imprimante rogne sur chaque bord (pour en savoir plus, consultez l&apos;aide).</translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation>Présentation de l&apos;étalonnage des bords</translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation>Aucune image sélectionnée. Veuillez choisir une image dans la liste des fichiers.</translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation>Aucune image sélectionnée</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>pleine largeur</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centre</translation>
    </message>
    <message>
        <source>left</source>
        <translation>gauche</translation>
    </message>
    <message>
        <source>right</source>
        <translation>droite</translation>
    </message>
    <message>
        <source>up</source>
        <translation>haut</translation>
    </message>
    <message>
        <source>down</source>
        <translation>bas</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>cm</source>
        <translation>cm</translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation>Excellente</translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation>Très bonne</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Bonne</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Passable</translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation>Bonne de loin</translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation>Passable de loin</translation>
    </message>
    <message>
        <source>Invalid tile configuration</source>
        <translation>Configuration des tuiles non valide</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Non valide</translation>
    </message>
    <message>
        <source>The help file</source>
        <translation>Le fichier d&apos;aide</translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation>est introuvable. Veuillez réinstaller ce logiciel.</translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation>Fichier d&apos;aide introuvable</translation>
    </message>
    <message>
        <source>to</source>
        <translation>et</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation>Taille d&apos;impression des tuiles non valide</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Pouces</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Millimètres</translation>
    </message>
    <message>
        <source>full height</source>
        <translation>pleine hauteur</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>points</translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation>Les tailles d&apos;impression des tuiles saisies ne sont pas valides. La largeur et la hauteur doivent être comprises entre</translation>
    </message>
    <message>
        <source>About Tessellon</source>
        <translation>À propos de Tessellon</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Infos système</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation>Cette application crée, à partir de vos images numériques, des posters de qualité photo de toute taille et de toute forme. Elle intègre la technologie d&apos;étalonnage des bords, qui mesure et compense les caractéristiques de votre imprimante.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation>Cliquez sur le bouton pour créer une image de test d&apos;étalonnage des bords à la taille d&apos;impression actuellement sélectionnée. L&apos;image de test comportera 4 bandes (larges de 1/16 pouce chacune) sur son pourtour. Imprimez l&apos;image de test.   </translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pouce</translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation>Aperçu du poster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation>Valeurs de taille d&apos;impression non valides</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Informations non valides</translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation>Test d&apos;impression des bords</translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation>Indiquez combien des 4 bandes de bordure sont visibles sur chaque bord de votre impression de test. Ces informations de «&#xa0;profil d&apos;étalonnage des bords&#xa0;» permettent au logiciel de compenser le rognage de votre imprimante. </translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation>Pour le profil d&apos;étalonnage des bords sélectionné, indique combien des quatre bandes de test sont visibles sur le bord GAUCHE de votre impression de test</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation>Pour le profil d&apos;étalonnage des bords sélectionné, indique combien des quatre bandes de test sont visibles sur le bord DROIT de votre impression de test</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation>Pour le profil d&apos;étalonnage des bords sélectionné, indique combien des quatre bandes de test sont visibles sur le bord SUPÉRIEUR de votre impression de test</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation>Pour le profil d&apos;étalonnage des bords sélectionné, indique combien des quatre bandes de test sont visibles sur le bord INFÉRIEUR de votre impression de test</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation>Fichiers image (*.jpg, *.tif, *.bmp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation>Fichiers JPEG uniquement (*.jpg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation>Fichiers TIFF uniquement (*.tif)</translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation>Fichiers BMP uniquement (*.bmp)</translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation>Sans rotation</translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation>Rotation horaire</translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation>Rotation antihoraire</translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation>Rotation 180°</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Chevauchement&#xa0;:</translation>
    </message>
    <message>
        <source>Strip of the picture that neighbouring sheets share, for gluing (0 = sheets meet edge to edge)</source>
        <translation>Bande de l&apos;image commune à deux feuilles voisines, pour le collage (0 = feuilles bord à bord)</translation>
    </message>
    <message>
        <source>Invalid overlap.  It must lie between 0 and</source>
        <translation>Chevauchement non valide. Il doit être compris entre 0 et</translation>
    </message>
    <message>
        <source>half the tile print size</source>
        <translation>la moitié de la taille d&apos;impression d&apos;une tuile</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Chevauchement</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Photo conservée</translation>
    </message>
    <message>
        <source>%1 % of the width, %2 % of the height</source>
        <translation>%1&#xa0;% de la largeur, %2&#xa0;% de la hauteur</translation>
    </message>
    <message>
        <source>How much of your photo the poster keeps; the poster&apos;s shape and the zoom cut off the rest</source>
        <translation>Part de votre photo que le poster conserve&#xa0;; la forme du poster et le zoom coupent le reste</translation>
    </message>
    <message>
        <source>Poster Size...</source>
        <translation>Taille du poster...</translation>
    </message>
    <message>
        <source>Find the tile counts and sheet turn for a poster size or a number of sheets</source>
        <translation>Trouver le nombre de tuiles et l&apos;orientation des feuilles pour une taille de poster ou un nombre de feuilles</translation>
    </message>
    <message>
        <source>Fit Photo</source>
        <translation>Ajuster à la photo</translation>
    </message>
    <message>
        <source>With at most as many sheets as now, choose the tile counts and sheet turn that keep the most of the photo</source>
        <translation>Sans dépasser le nombre de feuilles actuel, choisir le nombre de tuiles et l&apos;orientation des feuilles qui conservent le plus de la photo</translation>
    </message>
</context>
<context>
    <name>SysInfoWindow</name>
    <message>
        <source>System Information</source>
        <translation>Informations système</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy the system information to the clipboard</source>
        <translation>Copier les informations système dans le presse-papiers</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>(unknown)</source>
        <translation>(inconnu)</translation>
    </message>
    <message>
        <source>Operating system: </source>
        <translation>Système d&apos;exploitation&#xa0;: </translation>
    </message>
    <message>
        <source>Kernel: </source>
        <translation>Noyau&#xa0;: </translation>
    </message>
    <message>
        <source>CPU architecture: </source>
        <translation>Architecture du processeur&#xa0;: </translation>
    </message>
    <message>
        <source>Built for: </source>
        <translation>Compilé pour&#xa0;: </translation>
    </message>
    <message>
        <source>Qt version: </source>
        <translation>Version de Qt&#xa0;: </translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>The TIFF file could not be written</source>
        <translation>Le fichier TIFF n&apos;a pas pu être écrit</translation>
    </message>
</context>
<context>
    <name>TileSaver</name>
    <message>
        <source>The tile could not be turned</source>
        <translation>La tuile n&apos;a pas pu être pivotée</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>inches</source>
        <translation>pouces</translation>
    </message>
    <message>
        <source>millimetres</source>
        <translation>millimètres</translation>
    </message>
    <message>
        <source>centimetres</source>
        <translation>centimètres</translation>
    </message>
    <message>
        <source>metres</source>
        <translation>mètres</translation>
    </message>
    <message>
        <source>a length such as 120cm, %1m, 1200mm or 47in; a bare number is in %2</source>
        <translation>une longueur comme 120cm, %1m, 1200mm ou 47in&#xa0;; un nombre seul est en %2</translation>
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
        <translation>Page d&apos;accueil</translation>
    </message>
    <message>
        <source>Visit the Tessellon home page</source>
        <translation>Visiter la page d&apos;accueil de Tessellon</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Questions, answers and help with Tessellon</source>
        <translation>Questions, réponses et aide sur Tessellon</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Acheter</translation>
    </message>
    <message>
        <source>Buy a license for Tessellon</source>
        <translation>Acheter une licence Tessellon</translation>
    </message>
    <message>
        <source>Copyright © Quillmark Software. All rights reserved.</source>
        <translation>Copyright © Quillmark Software. Tous droits réservés.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Les informations système ne sont pas disponibles pour le moment</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Reload File List</source>
        <translation>&amp;Recharger la liste des fichiers</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print the poster&apos;s sheets, each at its exact size</source>
        <translation>Imprimer les feuilles du poster, chacune à sa taille exacte</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>Le fichier %1 n&apos;existe pas.</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Ouvrir une image</translation>
    </message>
    <message>
        <source>Paper...</source>
        <translation>Papier...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Langue du &amp;système</translation>
    </message>
</context>
<context>
    <name>tessellon::frmBtm</name>
    <message>
        <source>Edge Calibration</source>
        <translation>Étalonnage des bords</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Profils d&apos;étalonnage des bords</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation>Créer un profil d&apos;étalonnage des bords</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation>Renommer le profil d&apos;étalonnage des bords sélectionné</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Suppr.</translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation>Supprimer le profil d&apos;étalonnage des bords sélectionné</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation>Fermer la boîte de dialogue d&apos;étalonnage des bords</translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation>Étape (1) Créer et imprimer l&apos;image de test</translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation>Créer l&apos;image de test d&apos;étalonnage</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Print the Edge Calibration test image at the tile print size on a printer</source>
        <translation>Imprimer l&apos;image de test d&apos;étalonnage des bords à la taille d&apos;impression des tuiles</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>bord supérieur&#xa0;</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>bord droit&#xa0;</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>bord inférieur&#xa0;</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>bord gauche&#xa0;</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>En haut à gauche</translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>Impression de test</translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation>Étape (2) Saisir les données du profil d&apos;étalonnage des bords </translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation>Bord supérieur</translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation>Bord droit</translation>
    </message>
    <message>
        <source>Bottom Edge</source>
        <translation>Bord inférieur&#xa0;</translation>
    </message>
    <message>
        <source>Left Edge</source>
        <translation>Bord gauche&#xa0;</translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation>Rognage de l&apos;imprimante sur les bords des images</translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation>Données d&apos;étalonnage des bords du profil sélectionné</translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation>Rognage de l&apos;imprimante sur chaque bord</translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation>Saisissez le nom de la nouvelle configuration&#xa0;</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nouvelle configuration</translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation>Saisissez le nouveau nom de ce profil d&apos;étalonnage des bords&#xa0;</translation>
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
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsg</name>
    <message>
        <source>Saving</source>
        <translation>Enregistrement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>canceling</source>
        <translation>Annulation</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsgboxYesNo</name>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>tessellon::frmPosterSize</name>
    <message>
        <source>Poster Size</source>
        <translation>Taille du poster</translation>
    </message>
    <message>
        <source>Give the poster&apos;s width, its height, both, or at most how many sheets, in %1 (or type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns that reach it with the current paper, margins, overlap and edge compensation, the closest first; zoom and centring stay as they are.</source>
        <translation>Indiquez la largeur du poster, sa hauteur, les deux, ou le nombre maximal de feuilles, en %1 (ou tapez une unité&#xa0;: 120cm, 1,2m, 47in). Tessellon liste les nombres de tuiles et orientations des feuilles qui l&apos;atteignent avec le papier, les marges, le chevauchement et la compensation des bords actuels, les plus proches d&apos;abord&#xa0;; le zoom et le centrage restent inchangés.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur&#xa0;:</translation>
    </message>
    <message>
        <source>The poster at least this wide, in %1; empty for any width</source>
        <translation>Le poster aura au moins cette largeur, en %1&#xa0;; vide pour toute largeur</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Hauteur&#xa0;:</translation>
    </message>
    <message>
        <source>The poster at least this high, in %1; empty for any height</source>
        <translation>Le poster aura au moins cette hauteur, en %1&#xa0;; vide pour toute hauteur</translation>
    </message>
    <message>
        <source>At most &amp;sheets:</source>
        <translation>&amp;Feuilles au maximum&#xa0;:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>sans limite</translation>
    </message>
    <message>
        <source>Only arrangements of at most this many sheets</source>
        <translation>Uniquement les dispositions d&apos;au plus ce nombre de feuilles</translation>
    </message>
    <message>
        <source>The whole &amp;photo must show</source>
        <translation>La &amp;photo entière doit être visible</translation>
    </message>
    <message>
        <source>Only arrangements whose shape cuts at most 1 % off a side of the photo</source>
        <translation>Uniquement les dispositions dont la forme coupe au plus 1&#xa0;% d&apos;un côté de la photo</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Tuiles</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Feuilles</translation>
    </message>
    <message>
        <source>Final size</source>
        <translation>Taille finale</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Photo conservée</translation>
    </message>
    <message>
        <source>Best first: the closest to the size asked, then the one that keeps most of the photo, then the fewest sheets</source>
        <translation>Les meilleures d&apos;abord&#xa0;: la plus proche de la taille demandée, puis celle qui conserve le plus de la photo, puis celle qui a le moins de feuilles</translation>
    </message>
    <message>
        <source>&amp;Use This</source>
        <translation>&amp;Utiliser celle-ci</translation>
    </message>
    <message>
        <source>Set the tile counts and the sheet turn of the chosen arrangement</source>
        <translation>Appliquer le nombre de tuiles et l&apos;orientation des feuilles de la disposition choisie</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>%1 is no length: give %2.</source>
        <translation>%1 n&apos;est pas une longueur&#xa0;: indiquez %2.</translation>
    </message>
    <message>
        <source>The width</source>
        <translation>La largeur</translation>
    </message>
    <message>
        <source>The height</source>
        <translation>La hauteur</translation>
    </message>
    <message>
        <source>Give a width, a height or a number of sheets.</source>
        <translation>Indiquez une largeur, une hauteur ou un nombre de feuilles.</translation>
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
        <translation>tournées</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>non tournées</translation>
    </message>
    <message>
        <source>%1 arrangements reach it; the best %2 are listed.</source>
        <translation>%1 dispositions y parviennent&#xa0;; les %2 meilleures sont listées.</translation>
    </message>
    <message>
        <source>1 arrangement reaches it.</source>
        <translation>1 disposition y parvient.</translation>
    </message>
    <message>
        <source>%1 arrangements reach it.</source>
        <translation>%1 dispositions y parviennent.</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSaveTiles</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation>Enregistrer les fichiers image du poster</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type de fichier</translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation>Format de fichier dans lequel les images des tuiles du poster seront enregistrées</translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation>Options d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Base Filename</source>
        <translation>Nom de fichier de base&#xa0;</translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation>Nom de base utilisé pour nommer les fichiers image des tuiles du poster</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Nom du nouveau dossier&#xa0;</translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation>Nom du nouveau dossier à créer pour contenir les images des tuiles du poster</translation>
    </message>
    <message>
        <source>Assembly Aids</source>
        <translation>Aides à l&apos;assemblage</translation>
    </message>
    <message>
        <source>Sheet names (A1, A2, ...)</source>
        <translation>Noms des feuilles (A1, A2, ...)</translation>
    </message>
    <message>
        <source>PDF: print each sheet&apos;s name and the poster&apos;s layout where no picture shows</source>
        <translation>PDF&#xa0;: imprimer le nom de chaque feuille et le plan du poster là où l&apos;image ne s&apos;imprime pas</translation>
    </message>
    <message>
        <source>Cut and glue marks</source>
        <translation>Repères de coupe et de collage</translation>
    </message>
    <message>
        <source>PDF: mark where overlapping sheets are cut and glued, or the picture&apos;s corners when the sheets do not overlap</source>
        <translation>PDF&#xa0;: marquer où couper et coller les feuilles qui se chevauchent, ou les coins de l&apos;image si les feuilles ne se chevauchent pas</translation>
    </message>
    <message>
        <source>Overview page</source>
        <translation>Page de vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>PDF: a first page with the whole poster, its sheets and how to put them together</source>
        <translation>PDF&#xa0;: une première page montrant le poster entier, ses feuilles et la façon de les assembler</translation>
    </message>
    <message>
        <source>Overview image</source>
        <translation>Image de vue d&apos;ensemble</translation>
    </message>
    <message>
        <source>Image files: also save a picture of the whole poster with its sheets and their names beside the tiles</source>
        <translation>Fichiers image&#xa0;: enregistrer aussi, à côté des tuiles, une image du poster entier avec ses feuilles et leurs noms</translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation>Emplacement du nouveau dossier</translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation>Choisir le lecteur</translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation>Choisissez le dossier dans lequel créer le sous-dossier qui contiendra les images des tuiles du poster</translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation>Les fichiers seront enregistrés dans</translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation>Étape (1) Choisir les options des fichiers du poster</translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation>Étape (2) Cliquer pour enregistrer les fichiers</translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation>Enregistrer les images</translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation>Cliquez ici pour générer et enregistrer maintenant les images des tuiles du poster</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation>Fermer cette fenêtre sans générer ni enregistrer les images des tuiles du poster</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSimpleMsg</name>
    <message>
        <source>Finished</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation>Images enregistrées</translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation>Les images de votre poster ont bien été enregistrées et sont prêtes à être imprimées. Elles se trouvent dans le dossier suivant&#xa0;:</translation>
    </message>
    <message>
        <source>Poster Saved Successfully</source>
        <translation>Poster enregistré</translation>
    </message>
    <message>
        <source>Your poster was saved successfully and is now ready for you to print at actual size (100 %).  It is the following file:</source>
        <translation>Votre poster a bien été enregistré et est prêt à être imprimé en taille réelle (100&#xa0;%). Il s&apos;agit du fichier suivant&#xa0;:</translation>
    </message>
</context>
</TS>
