<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BmpCodec</name>
    <message>
        <source>The BMP file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClipAmount</name>
    <message>
        <source>None of the image is clipped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CmykConverter</name>
    <message>
        <source>The image&apos;s CMYK colour profile cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EdgeTestTargetTexts</name>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid test image size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No pixels to draw the stripes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>PNG and WebP Files (*.png, *.webp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Supported Images (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not determine the location of the %1 folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a link of that name cannot be removed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FormatTable</name>
    <message>
        <source>Bitmap (.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiff (.tif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiff (*.tif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg (.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pdf (.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pdf (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source> Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageFileReader</name>
    <message>
        <source>No decoder for this file&apos;s images is installed (libheif: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is too large for the HEIF decoder (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged or incomplete: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No decoder for %1 images is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: it decodes to no pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to turn the image upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model, which Tessellon converts for JPEG files only. Convert it to RGB in an image editor first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: its colour table (palette) is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is a folder, not an image file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its name holds bytes that are not UTF-8 text, so it cannot be named exactly; rename the file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is too large for this computer&apos;s memory (%1 MB; Tessellon uses at most %2 MB for one image).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file became shorter while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file changed while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not an image file that Tessellon can open (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> or </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name has no extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name ends in &quot;.%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename it to end in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: its header gives no picture size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is too large for this computer&apos;s memory: %1 x %2 pixels need %3 MB, and Tessellon uses at most %4 MB for one image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: the file is far too small (%1 KB) for the %2 x %3 pixels it claims.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: part of the BMP file&apos;s pixel data is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: the BMP file&apos;s colour masks are not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: a run of the BMP file&apos;s pixels goes past the end of its row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model without a CMYK colour profile to convert it by. Convert it to RGB in an image editor first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged, or no decoder for %1 images is installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image cannot be decoded at a reduced size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the header of the file was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The decode was stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged: its pixels do not match its size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged or incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageLoader</name>
    <message>
        <source>Invalid Image File Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageObject</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be completed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text can only be drawn by the graphical application</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid font size %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An image of %1 x %2 pixels cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no image to resample</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid image size %1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to resample the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no image to rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid rotation angle %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to rotate the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid resolution %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown image attribute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no image to save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not an image file format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image could not be encoded: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no image to draw on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image cannot be drawn on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>The file is not a JPEG image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG header is damaged: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CMYK JPEG images are not supported by this decoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is too large to load (%1 x %2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG image is damaged or incomplete: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory to load the image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no image to encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JPEG encoder could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is too large to encode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG encoding failed: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperDialogTexts</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the margins to what the printer &quot;%1&quot; cannot print at the edges of this paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaperModel</name>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (inches)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (mm)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Margin sizes in MILLIMETERS)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PdfPosterWriter</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be started (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF is not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour profile is not an RGB profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The colour profile could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A page cannot be started here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be made (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No page to draw on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text font is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The text could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No page to end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The page could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF is not complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be completed (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PosterArrangements</name>
    <message>
        <source>%1 wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most 1 sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>at most %1 sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the whole photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 sheets, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No arrangement reaches %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PosterOverview</name>
    <message>
        <source>Poster overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final size: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper: %1, %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets: %1, %2 across and %3 down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlap: %1 %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the sheets at 100% (actual size) on this paper; this page is not part of the poster.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheets print turned: the top of the poster is at each sheet&apos;s left edge. Turn every sheet a quarter turn clockwise before laying it out.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: cut each along its cut line, lay it over the glue area of its neighbour so that the pictures match, and glue it there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: trim off any margin on their left and top edges, lay them over the shared strip of their neighbour so that the pictures match, and glue them there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sheets have no margins: butt them edge to edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim every sheet at its corner crop marks, where the picture ends, then butt the sheets edge to edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trim the margins off every sheet along the edge of the picture, then butt the sheets edge to edge.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start at A1 and work to the right and down; tape or glue the sheets to a backing board or the wall.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>The poster&apos;s sheets are %1, but the printer&apos;s paper is %2. Printed on it, every sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the poster would not line up.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2 mm, %3 x %4 in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing the sheets for the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no paper of %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or has an error; start it again (or choose another printer) and print once more. Nothing was sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the print job: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job could not be started: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The print job could not be handed to the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing canceled; nothing was sent to the printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper Differs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print at actual size anyway (Yes), or go back to the print dialog (No)?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) sent to %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>the old file cannot be kept</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kodak photo lab default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fuji photo lab default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A profile name can not contain a tab or a line break.  Please type the name on one line, without tabs.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can not have more than 199 Edge Calibration Profiles.  Please delete a profile before you create a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your edge calibration profile file could not be read exactly as it was written.  The original file has been kept as:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your change to the edge calibration profiles could not be saved in:
%1
It is kept until Tessellon is closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The application folder can not be written to.  Your edge calibration profiles are now stored in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not create profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtPrintDialogService</name>
    <message>
        <source>Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, such as B2 or 4-6. Empty: the whole poster, after its overview page.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveTilesDefaults</name>
    <message>
        <source>poster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveTilesOpening</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SaveTilesTexts</name>
    <message>
        <source>Could not create the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Problem</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reason: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It will be replaced.  Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the folder that you selected, the disk drive is full, or that you provided an invalid file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating FileSystemObject - Windows component missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error creating image object</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving Images Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error saving the PDF file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>poster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The base file name must not contain a folder separator (/ or \)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error reading the source image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger image.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tile of %1 x %2 pixels is too large for one JPEG picture (at most about %3 megapixels).  Use more tiles, or TIFF or BMP files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetNames</name>
    <message>
        <source>%1 of %2 × %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SheetRange</name>
    <message>
        <source>No such sheet or range on a poster of %1 × %2 sheets: %3 (name sheets as they are labelled, A1 to %4, or number them 1 to %5)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StatusPictures</name>
    <message>
        <source>Choose a folder that holds your image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose an image from the file list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file could not be loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate to My Documents folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quality</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(center)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal centering of the poster Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length units</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Excellent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Very Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fair</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid tile configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>inch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strip of the picture that neighbouring sheets share, for gluing (0 = sheets meet edge to edge)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid overlap.  It must lie between 0 and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>half the tile print size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 % of the width, %2 % of the height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much of your photo the poster keeps; the poster&apos;s shape and the zoom cut off the rest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poster Size...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find the tile counts and sheet turn for a poster size or a number of sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With at most as many sheets as now, choose the tile counts and sheet turn that keep the most of the photo</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SysInfoWindow</name>
    <message>
        <source>System Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the system information to the clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>(unknown)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating system: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kernel: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CPU architecture: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built for: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt version: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>The TIFF file could not be written</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TileSaver</name>
    <message>
        <source>The tile could not be turned</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>Quillmark Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit the Tessellon home page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions, answers and help with Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buy a license for Tessellon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © Quillmark Software. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reload File List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the poster&apos;s sheets, each at its exact size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paper...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessellon::frmBtm</name>
    <message>
        <source>Edge Calibration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the Edge Calibration test image at the tile print size on a printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>top edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>left edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left Edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessellon::frmInputBox</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsg</name>
    <message>
        <source>Saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>canceling</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsgboxYesNo</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessellon::frmPosterSize</name>
    <message>
        <source>Poster Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give the poster&apos;s width, its height, both, or at most how many sheets, in %1 (or type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns that reach it with the current paper, margins, overlap and edge compensation, the closest first; zoom and centring stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The poster at least this wide, in %1; empty for any width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The poster at least this high, in %1; empty for any height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At most &amp;sheets:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>any number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only arrangements of at most this many sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The whole &amp;photo must show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only arrangements whose shape cuts at most 1 % off a side of the photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best first: the closest to the size asked, then the one that keeps most of the photo, then the fewest sheets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Use This</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the tile counts and the sheet turn of the chosen arrangement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is no length: give %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give a width, a height or a number of sheets.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>turned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>upright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 arrangements reach it; the best %2 are listed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 arrangement reaches it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 arrangements reach it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessellon::frmSaveTiles</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base Filename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Assembly Aids</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet names (A1, A2, ...)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF: print each sheet&apos;s name and the poster&apos;s layout where no picture shows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cut and glue marks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF: mark where overlapping sheets are cut and glued, or the picture&apos;s corners when the sheets do not overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF: a first page with the whole poster, its sheets and how to put them together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overview image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image files: also save a picture of the whole poster with its sheets and their names beside the tiles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tessellon::frmSimpleMsg</name>
    <message>
        <source>Finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poster Saved Successfully</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your poster was saved successfully and is now ready for you to print at actual size (100 %).  It is the following file:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
