<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>BmpCodec</name>
    <message>
        <source>The BMP file could not be written</source>
        <translation>Não foi possível gravar o arquivo BMP</translation>
    </message>
    <message>
        <source>The picture is too large for a BMP file</source>
        <translation>A imagem é grande demais para um arquivo BMP</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Memória insuficiente para a imagem codificada</translation>
    </message>
</context>
<context>
    <name>ClipAmount</name>
    <message>
        <source>None of the image is clipped</source>
        <translation>Nenhuma parte da imagem é cortada</translation>
    </message>
    <message>
        <source>Printer cuts off</source>
        <translation>A impressora corta</translation>
    </message>
    <message>
        <source>of image</source>
        <translation>da imagem</translation>
    </message>
    <message>
        <source>See all 4 lines</source>
        <translation>Vejo as 4 linhas</translation>
    </message>
    <message>
        <source>See</source>
        <translation>Vejo</translation>
    </message>
    <message>
        <source>lines</source>
        <translation>linhas</translation>
    </message>
    <message>
        <source>See no lines</source>
        <translation>Não vejo nenhuma linha</translation>
    </message>
</context>
<context>
    <name>CmykConverter</name>
    <message>
        <source>The image&apos;s CMYK colour profile cannot be used.</source>
        <translation>O perfil de cores CMYK da imagem não pode ser usado.</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Memória insuficiente para carregar a imagem (%1 x %2 pixels).</translation>
    </message>
</context>
<context>
    <name>EdgeTestTargetTexts</name>
    <message>
        <source>The custom print size that you currently have entered in not valid.  The height and width must both be between</source>
        <translation>O tamanho de impressão personalizado informado não é válido.  A altura e a largura devem estar entre</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>inches long.  Please enter valid values in the</source>
        <translation>polegadas.  Informe valores válidos na seção</translation>
    </message>
    <message>
        <source>section of the main dialog</source>
        <translation>da janela principal</translation>
    </message>
    <message>
        <source>A</source>
        <translation>Uma imagem de teste de</translation>
    </message>
    <message>
        <source>high</source>
        <translation>de altura</translation>
    </message>
    <message>
        <source>wide test image will now be created</source>
        <translation>de largura será criada agora</translation>
    </message>
    <message>
        <source>The target will have 4 colored stripes printed around each edge.  Each stripe is</source>
        <translation>O alvo terá 4 faixas coloridas impressas ao longo de cada borda.  Cada faixa tem</translation>
    </message>
    <message>
        <source>wide</source>
        <translation>de largura</translation>
    </message>
    <message>
        <source>In order to to test how much your printer clips off of each edge, please do the following</source>
        <translation>Para testar quanto a sua impressora corta de cada borda, faça o seguinte</translation>
    </message>
    <message>
        <source>When prompted, save the image to your hard drive</source>
        <translation>Quando solicitado, salve a imagem no seu computador</translation>
    </message>
    <message>
        <source>Print the image on your printer</source>
        <translation>Imprima a imagem na sua impressora</translation>
    </message>
    <message>
        <source>Count how many of the 4 colored stripes are visible on each edge of your print and input that information in the dialog box below here.</source>
        <translation>Conte quantas das 4 faixas coloridas estão visíveis em cada borda da impressão e informe esses valores na caixa de diálogo abaixo.</translation>
    </message>
    <message>
        <source>Click OK to continue or cancel to quit</source>
        <translation>Clique em OK para continuar ou em Cancelar para sair</translation>
    </message>
    <message>
        <source>Create Test Target</source>
        <translation>Criar alvo de teste</translation>
    </message>
    <message>
        <source>Error occurred while saving image to disk</source>
        <translation>Erro ao salvar a imagem no disco</translation>
    </message>
    <message>
        <source>Error adding text to edge test print</source>
        <translation>Erro ao adicionar texto à impressão de teste de bordas</translation>
    </message>
    <message>
        <source>Image successfully saved to disk.</source>
        <translation>Imagem salva no disco com sucesso.</translation>
    </message>
    <message>
        <source>Next you need to</source>
        <translation>Agora você precisa</translation>
    </message>
    <message>
        <source>Print this image</source>
        <translation>Imprimir esta imagem</translation>
    </message>
    <message>
        <source>using the same printer, paper and printer settings that you</source>
        <translation>usando a mesma impressora, o mesmo papel e as mesmas configurações de impressão que você</translation>
    </message>
    <message>
        <source>will use when printing your poster images</source>
        <translation>usará ao imprimir as imagens do seu pôster</translation>
    </message>
    <message>
        <source>Count the number of visible stripes along each edge of the resulting test print.</source>
        <translation>Contar as faixas visíveis ao longo de cada borda da impressão de teste.</translation>
    </message>
    <message>
        <source>Make sure that you currently have selected the Edge Calibration Profile which you would like to modify.</source>
        <translation>Verificar se o perfil de calibração de bordas selecionado é o que você deseja modificar.</translation>
    </message>
    <message>
        <source>Using the four dropdown controls located below here, indicate how many stripes are visible at each edge of your print (this tells the software how much your printer clips off of each edge of your prints).</source>
        <translation>Usando as quatro listas suspensas abaixo, indicar quantas faixas estão visíveis em cada borda da impressão (isso informa ao programa quanto a sua impressora corta de cada borda das impressões).</translation>
    </message>
    <message>
        <source>Invalide print dimensions</source>
        <translation>Dimensões de impressão inválidas</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Test Target Creation canceled</source>
        <translation>Criação do alvo de teste cancelada</translation>
    </message>
    <message>
        <source>canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Invalid image filename.  Must save image as bmp, tif or jpg file</source>
        <translation>Nome de arquivo de imagem inválido.  A imagem deve ser salva como arquivo bmp, tif ou jpg</translation>
    </message>
    <message>
        <source>Invalid file type</source>
        <translation>Tipo de arquivo inválido</translation>
    </message>
    <message>
        <source>Test Image Creation Completed</source>
        <translation>Imagem de teste criada</translation>
    </message>
    <message>
        <source>Invalid test image size</source>
        <translation>Tamanho da imagem de teste inválido</translation>
    </message>
    <message>
        <source>No pixels to draw the stripes on</source>
        <translation>Não há pixels para desenhar as faixas</translation>
    </message>
    <message>
        <source>Save Test Target</source>
        <translation>Salvar alvo de teste</translation>
    </message>
</context>
<context>
    <name>FileBrowser</name>
    <message>
        <source>PNG and WebP Files (*.png, *.webp)</source>
        <translation>Arquivos PNG e WebP (*.png, *.webp)</translation>
    </message>
    <message>
        <source>All Supported Images (%1)</source>
        <translation>Todas as imagens compatíveis (%1)</translation>
    </message>
    <message>
        <source>Invalid Drive</source>
        <translation>Unidade inválida</translation>
    </message>
    <message>
        <source>The drive you chose could not be accessed.</source>
        <translation>Não foi possível acessar a unidade escolhida.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Could not determine the location of the %1 folder.  Please navigate there manually using the folder listbox below here.</source>
        <translation>Não foi possível determinar o local da pasta %1.  Navegue até ela manualmente usando a lista de pastas abaixo.</translation>
    </message>
</context>
<context>
    <name>FileKind</name>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>é um pipe nomeado (FIFO), não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>é um dispositivo, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>é um socket, não um arquivo comum</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>a link of that name cannot be removed (%1)</source>
        <translation>não é possível remover um link com esse nome (%1)</translation>
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
        <translation> - Ajuda</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
</context>
<context>
    <name>ImageFileReader</name>
    <message>
        <source>No decoder for this file&apos;s images is installed (libheif: %1).</source>
        <translation>Não há nenhum decodificador instalado para as imagens deste arquivo (libheif: %1).</translation>
    </message>
    <message>
        <source>The image is too large for the HEIF decoder (%1).</source>
        <translation>A imagem é grande demais para o decodificador HEIF (%1).</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete: %1.</source>
        <translation>A imagem está danificada ou incompleta: %1.</translation>
    </message>
    <message>
        <source>Not enough memory to read the file.</source>
        <translation>Memória insuficiente para ler o arquivo.</translation>
    </message>
    <message>
        <source>No decoder for %1 images is installed.</source>
        <translation>Não há nenhum decodificador instalado para imagens %1.</translation>
    </message>
    <message>
        <source>The image is damaged: it decodes to no pixels.</source>
        <translation>A imagem está danificada: a decodificação não gera nenhum pixel.</translation>
    </message>
    <message>
        <source>Not enough memory to turn the image upright</source>
        <translation>Memória insuficiente para endireitar a imagem</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model, which Tessellon converts for JPEG files only. Convert it to RGB in an image editor first.</source>
        <translation>A imagem usa o modelo de cores CMYK, que o Tessellon converte apenas em arquivos JPEG. Converta-a para RGB em um editor de imagens antes.</translation>
    </message>
    <message>
        <source>The image is damaged: its colour table (palette) is missing.</source>
        <translation>A imagem está danificada: falta a tabela de cores (paleta).</translation>
    </message>
    <message>
        <source>This is a folder, not an image file.</source>
        <translation>Isto é uma pasta, não um arquivo de imagem.</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>O arquivo não existe.</translation>
    </message>
    <message>
        <source>Its name holds bytes that are not UTF-8 text, so it cannot be named exactly; rename the file.</source>
        <translation>O nome contém bytes que não são texto UTF-8, por isso não pode ser indicado com exatidão; renomeie o arquivo.</translation>
    </message>
    <message>
        <source>The file could not be opened: %1</source>
        <translation>Não foi possível abrir o arquivo: %1</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>O arquivo está vazio.</translation>
    </message>
    <message>
        <source>The file is too large for this computer&apos;s memory (%1 MB; Tessellon uses at most %2 MB for one image).</source>
        <translation>O arquivo é grande demais para a memória deste computador (%1 MB; o Tessellon usa no máximo %2 MB para uma imagem).</translation>
    </message>
    <message>
        <source>The file became shorter while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>O arquivo ficou menor enquanto era lido (talvez ainda esteja sendo gravado ou copiado). Tente novamente quando ele estiver completo.</translation>
    </message>
    <message>
        <source>The file changed while it was being read (it may still be being written or copied). Try again when it is complete.</source>
        <translation>O arquivo foi alterado enquanto era lido (talvez ainda esteja sendo gravado ou copiado). Tente novamente quando ele estiver completo.</translation>
    </message>
    <message>
        <source>This is not an image file that Tessellon can open (%1).</source>
        <translation>Este não é um arquivo de imagem que o Tessellon consiga abrir (%1).</translation>
    </message>
    <message>
        <source> or </source>
        <translation> ou </translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name has no extension.</source>
        <translation>O arquivo contém uma imagem %1, mas o nome dele não tem extensão.</translation>
    </message>
    <message>
        <source>The file holds a %1 image, but its name ends in &quot;.%2&quot;.</source>
        <translation>O arquivo contém uma imagem %1, mas o nome dele termina em &quot;.%2&quot;.</translation>
    </message>
    <message>
        <source>Rename it to end in %1.</source>
        <translation>Renomeie-o para que termine em %1.</translation>
    </message>
    <message>
        <source>The image is damaged: its header gives no picture size.</source>
        <translation>A imagem está danificada: o cabeçalho não informa o tamanho da imagem.</translation>
    </message>
    <message>
        <source>The image is too large for this computer&apos;s memory: %1 x %2 pixels need %3 MB, and Tessellon uses at most %4 MB for one image.</source>
        <translation>A imagem é grande demais para a memória deste computador: %1 x %2 pixels precisam de %3 MB, e o Tessellon usa no máximo %4 MB para uma imagem.</translation>
    </message>
    <message>
        <source>The image is damaged: the file is far too small (%1 KB) for the %2 x %3 pixels it claims.</source>
        <translation>A imagem está danificada: o arquivo é pequeno demais (%1 KB) para os %2 x %3 pixels que declara.</translation>
    </message>
    <message>
        <source>The image is damaged: part of the BMP file&apos;s pixel data is missing.</source>
        <translation>A imagem está danificada: falta parte dos dados de pixels do arquivo BMP.</translation>
    </message>
    <message>
        <source>The image is damaged: the BMP file&apos;s colour masks are not valid.</source>
        <translation>A imagem está danificada: as máscaras de cor do arquivo BMP não são válidas.</translation>
    </message>
    <message>
        <source>The image is damaged: a run of the BMP file&apos;s pixels goes past the end of its row.</source>
        <translation>A imagem está danificada: uma sequência de pixels do arquivo BMP ultrapassa o fim da linha.</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started.</source>
        <translation>Não foi possível iniciar o decodificador JPEG.</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read (%1).</source>
        <translation>A imagem está danificada: não é possível ler o cabeçalho (%1).</translation>
    </message>
    <message>
        <source>The image uses the CMYK colour model without a CMYK colour profile to convert it by. Convert it to RGB in an image editor first.</source>
        <translation>A imagem usa o modelo de cores CMYK sem um perfil de cores CMYK para convertê-la. Converta-a para RGB em um editor de imagens antes.</translation>
    </message>
    <message>
        <source>The image is damaged, or no decoder for %1 images is installed</source>
        <translation>A imagem está danificada ou não há nenhum decodificador instalado para imagens %1</translation>
    </message>
    <message>
        <source>The image is damaged: its header cannot be read</source>
        <translation>A imagem está danificada: não é possível ler o cabeçalho</translation>
    </message>
    <message>
        <source>This image cannot be decoded at a reduced size.</source>
        <translation>Esta imagem não pode ser decodificada em tamanho reduzido.</translation>
    </message>
    <message>
        <source>Only the header of the file was read.</source>
        <translation>Apenas o cabeçalho do arquivo foi lido.</translation>
    </message>
    <message>
        <source>The decode was stopped</source>
        <translation>A decodificação foi interrompida</translation>
    </message>
    <message>
        <source>The image is damaged: its pixels do not match its size.</source>
        <translation>A imagem está danificada: os pixels não correspondem ao tamanho.</translation>
    </message>
    <message>
        <source>The image is damaged or incomplete</source>
        <translation>A imagem está danificada ou incompleta</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels).</source>
        <translation>Memória insuficiente para carregar a imagem (%1 x %2 pixels).</translation>
    </message>
</context>
<context>
    <name>ImageLoader</name>
    <message>
        <source>Invalid Image File Selected</source>
        <translation>Arquivo de imagem inválido selecionado</translation>
    </message>
    <message>
        <source>The image you selected is EXTREMELY small.  It has a height and/or width that is below the minimum allowable size of </source>
        <translation>A imagem selecionada é EXTREMAMENTE pequena.  A altura e/ou a largura estão abaixo do tamanho mínimo permitido de </translation>
    </message>
    <message>
        <source> pixels.  Please select a larger image.  </source>
        <translation> pixels.  Selecione uma imagem maior.  </translation>
    </message>
</context>
<context>
    <name>ImageObject</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Não foi possível criar o arquivo: %1</translation>
    </message>
    <message>
        <source>The file could not be written: %1</source>
        <translation>Não foi possível gravar o arquivo: %1</translation>
    </message>
    <message>
        <source>The file could not be completed: %1</source>
        <translation>Não foi possível concluir o arquivo: %1</translation>
    </message>
    <message>
        <source>Text can only be drawn by the graphical application</source>
        <translation>Somente o aplicativo gráfico pode desenhar texto</translation>
    </message>
    <message>
        <source>Invalid font size %1</source>
        <translation>Tamanho de fonte inválido: %1</translation>
    </message>
    <message>
        <source>The pixel array is empty</source>
        <translation>A matriz de pixels está vazia</translation>
    </message>
    <message>
        <source>An image of %1 x %2 pixels cannot be created</source>
        <translation>Não é possível criar uma imagem de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>There is no image to resample</source>
        <translation>Não há imagem para redimensionar</translation>
    </message>
    <message>
        <source>Invalid image size %1 x %2</source>
        <translation>Tamanho de imagem inválido: %1 x %2</translation>
    </message>
    <message>
        <source>Not enough memory to resample the image</source>
        <translation>Memória insuficiente para redimensionar a imagem</translation>
    </message>
    <message>
        <source>There is no image to rotate</source>
        <translation>Não há imagem para girar</translation>
    </message>
    <message>
        <source>Invalid rotation angle %1</source>
        <translation>Ângulo de rotação inválido: %1</translation>
    </message>
    <message>
        <source>Not enough memory to rotate the image</source>
        <translation>Memória insuficiente para girar a imagem</translation>
    </message>
    <message>
        <source>Invalid resolution %1</source>
        <translation>Resolução inválida: %1</translation>
    </message>
    <message>
        <source>Unknown image attribute</source>
        <translation>Atributo de imagem desconhecido</translation>
    </message>
    <message>
        <source>There is no image to save</source>
        <translation>Não há imagem para salvar</translation>
    </message>
    <message>
        <source>%1 is not an image file format</source>
        <translation>%1 não é um formato de arquivo de imagem</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Memória insuficiente para a imagem codificada</translation>
    </message>
    <message>
        <source>The image could not be encoded: %1</source>
        <translation>Não foi possível codificar a imagem: %1</translation>
    </message>
    <message>
        <source>There is no image to draw on</source>
        <translation>Não há imagem onde desenhar</translation>
    </message>
    <message>
        <source>The image cannot be drawn on</source>
        <translation>Não é possível desenhar na imagem</translation>
    </message>
</context>
<context>
    <name>Imaging</name>
    <message>
        <source>Error initializing image object.  Can not continue.</source>
        <translation>Erro ao inicializar o objeto de imagem.  Não é possível continuar.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>JpegCodec</name>
    <message>
        <source>The file is not a JPEG image</source>
        <translation>O arquivo não é uma imagem JPEG</translation>
    </message>
    <message>
        <source>The JPEG decoder could not be started</source>
        <translation>Não foi possível iniciar o decodificador JPEG</translation>
    </message>
    <message>
        <source>The JPEG header is damaged: %1</source>
        <translation>O cabeçalho JPEG está danificado: %1</translation>
    </message>
    <message>
        <source>CMYK JPEG images are not supported by this decoder</source>
        <translation>Este decodificador não aceita imagens JPEG em CMYK</translation>
    </message>
    <message>
        <source>The image is too large to load (%1 x %2 pixels)</source>
        <translation>A imagem é grande demais para ser carregada (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>Not enough memory to load the image (%1 x %2 pixels)</source>
        <translation>Memória insuficiente para carregar a imagem (%1 x %2 pixels)</translation>
    </message>
    <message>
        <source>The JPEG image is damaged or incomplete: %1</source>
        <translation>A imagem JPEG está danificada ou incompleta: %1</translation>
    </message>
    <message>
        <source>Not enough memory to load the image</source>
        <translation>Memória insuficiente para carregar a imagem</translation>
    </message>
    <message>
        <source>There is no image to encode</source>
        <translation>Não há imagem para codificar</translation>
    </message>
    <message>
        <source>The JPEG encoder could not be started</source>
        <translation>Não foi possível iniciar o codificador JPEG</translation>
    </message>
    <message>
        <source>The image is too large to encode</source>
        <translation>A imagem é grande demais para ser codificada</translation>
    </message>
    <message>
        <source>Not enough memory for the encoded image</source>
        <translation>Memória insuficiente para a imagem codificada</translation>
    </message>
    <message>
        <source>JPEG encoding failed: %1</source>
        <translation>Falha na codificação JPEG: %1</translation>
    </message>
</context>
<context>
    <name>PaperDialogTexts</name>
    <message>
        <source>Determine Tile Print Size</source>
        <translation>Definir o tamanho de impressão dos blocos</translation>
    </message>
    <message>
        <source>(1) Select Units</source>
        <translation>(1) Selecione as unidades</translation>
    </message>
    <message>
        <source>(2) Select Paper Size</source>
        <translation>(2) Selecione o tamanho do papel</translation>
    </message>
    <message>
        <source>Choose paper size (or select Custom Size)</source>
        <translation>Escolha o tamanho do papel (ou selecione Personalizado)</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largura:</translation>
    </message>
    <message>
        <source>Full paper width (including margins)</source>
        <translation>Largura total do papel (incluindo as margens)</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altura:</translation>
    </message>
    <message>
        <source>Full paper height (including margins)</source>
        <translation>Altura total do papel (incluindo as margens)</translation>
    </message>
    <message>
        <source>(3) Select Margin Size For Prints</source>
        <translation>(3) Selecione as margens das impressões</translation>
    </message>
    <message>
        <source>Top Margin:</source>
        <translation>Margem superior:</translation>
    </message>
    <message>
        <source>Right Margin:</source>
        <translation>Margem direita:</translation>
    </message>
    <message>
        <source>Bottom Margin:</source>
        <translation>Margem inferior:</translation>
    </message>
    <message>
        <source>Left Margin:</source>
        <translation>Margem esquerda:</translation>
    </message>
    <message>
        <source>Select or type top margin size</source>
        <translation>Selecione ou digite a margem superior</translation>
    </message>
    <message>
        <source>Select or type right margin size</source>
        <translation>Selecione ou digite a margem direita</translation>
    </message>
    <message>
        <source>Select or type bottom margin size</source>
        <translation>Selecione ou digite a margem inferior</translation>
    </message>
    <message>
        <source>Select or type left margin size</source>
        <translation>Selecione ou digite a margem esquerda</translation>
    </message>
    <message>
        <source>Left=Right, Top=Bottom</source>
        <translation>Esquerda=Direita, Superior=Inferior</translation>
    </message>
    <message>
        <source>Force the left/right and top/bottom margins to be equal</source>
        <translation>Manter iguais as margens esquerda/direita e superior/inferior</translation>
    </message>
    <message>
        <source>Set to borderless (no margins)</source>
        <translation>Sem bordas (sem margens)</translation>
    </message>
    <message>
        <source>Set all border sizes to zero (use this for borderless prints)</source>
        <translation>Zerar todas as margens (use para impressões sem bordas)</translation>
    </message>
    <message>
        <source>Reset to default margins</source>
        <translation>Restaurar margens padrão</translation>
    </message>
    <message>
        <source>Reset margin sizes to default values for selected paper size</source>
        <translation>Restaurar as margens padrão do tamanho de papel selecionado</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Margens da impressora</translation>
    </message>
    <message>
        <source>Set the margins to what the printer &quot;%1&quot; cannot print at the edges of this paper</source>
        <translation>Definir as margens como a área nas bordas deste papel que a impressora &quot;%1&quot; não consegue imprimir</translation>
    </message>
    <message>
        <source>(4) Results:</source>
        <translation>(4) Resultados:</translation>
    </message>
    <message>
        <source>Size BEFORE margins trimmed:</source>
        <translation>Tamanho ANTES de cortar as margens:</translation>
    </message>
    <message>
        <source>This is the full paper size, including margins</source>
        <translation>Este é o tamanho total do papel, incluindo as margens</translation>
    </message>
    <message>
        <source>Size AFTER margins trimmed:</source>
        <translation>Tamanho DEPOIS de cortar as margens:</translation>
    </message>
    <message>
        <source>This is the poster tile size (the print size AFTER margins trimmed off)</source>
        <translation>Este é o tamanho do bloco do pôster (o tamanho de impressão DEPOIS de cortar as margens)</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Accept current print/margin values</source>
        <translation>Aceitar os valores atuais de impressão/margens</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Accept current print/margin values and return to main window</source>
        <translation>Aceitar os valores atuais de impressão/margens e voltar à janela principal</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do not accept current print/margin values</source>
        <translation>Não aceitar os valores atuais de impressão/margens</translation>
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
        <translation>Ofício</translation>
    </message>
    <message>
        <source>Canvas</source>
        <translation>Canvas</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>Personalizado</translation>
    </message>
    <message>
        <source> (inches)</source>
        <translation> (polegadas)</translation>
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
        <translation>(Margens em MILÍMETROS)</translation>
    </message>
    <message>
        <source>(Margin sizes in INCHES)</source>
        <translation>(Margens em POLEGADAS)</translation>
    </message>
    <message>
        <source>Invalid Values Entered</source>
        <translation>Valores inválidos</translation>
    </message>
    <message>
        <source>Invalid Paper Width or Height</source>
        <translation>Largura ou altura do papel inválida</translation>
    </message>
    <message>
        <source>Invalid paper size - size too small.  Minimum size is</source>
        <translation>Tamanho de papel inválido: pequeno demais.  O tamanho mínimo é</translation>
    </message>
    <message>
        <source>You entered invalid values for print margins.</source>
        <translation>Você informou valores inválidos para as margens de impressão.</translation>
    </message>
    <message>
        <source>Invalid margin value - can&apos;t be less than zero</source>
        <translation>Valor de margem inválido: não pode ser menor que zero</translation>
    </message>
    <message>
        <source>Invalid Left / Right Margins.  Together they are larger than the paper width.</source>
        <translation>Margens esquerda/direita inválidas.  Juntas, são maiores que a largura do papel.</translation>
    </message>
    <message>
        <source>Invalid Top / Bottom Margins.  Together they are larger than the paper height.</source>
        <translation>Margens superior/inferior inválidas.  Juntas, são maiores que a altura do papel.</translation>
    </message>
    <message>
        <source>Paper size too small</source>
        <translation>Papel pequeno demais</translation>
    </message>
    <message>
        <source>Paper size too large</source>
        <translation>Papel grande demais</translation>
    </message>
    <message>
        <source>Paper/Margins too small</source>
        <translation>Papel/margens pequenos demais</translation>
    </message>
    <message>
        <source>Paper/Margins too large</source>
        <translation>Papel/margens grandes demais</translation>
    </message>
    <message>
        <source> mm</source>
        <translation> mm</translation>
    </message>
    <message>
        <source>Invalid paper size entered</source>
        <translation>Tamanho de papel inválido</translation>
    </message>
    <message>
        <source>Invalid margin size selected</source>
        <translation>Margens inválidas</translation>
    </message>
</context>
<context>
    <name>PdfPosterWriter</name>
    <message>
        <source>The file could not be created: %1</source>
        <translation>Não foi possível criar o arquivo: %1</translation>
    </message>
    <message>
        <source>The PDF could not be started (%1)</source>
        <translation>Não foi possível iniciar o PDF (%1)</translation>
    </message>
    <message>
        <source>The PDF is not open</source>
        <translation>O PDF não está aberto</translation>
    </message>
    <message>
        <source>The colour profile is not an RGB profile</source>
        <translation>O perfil de cores não é um perfil RGB</translation>
    </message>
    <message>
        <source>The colour profile could not be written (%1)</source>
        <translation>Não foi possível gravar o perfil de cores (%1)</translation>
    </message>
    <message>
        <source>A page cannot be started here</source>
        <translation>Não é possível iniciar uma página aqui</translation>
    </message>
    <message>
        <source>The page could not be made (%1)</source>
        <translation>Não foi possível criar a página (%1)</translation>
    </message>
    <message>
        <source>No page to draw on</source>
        <translation>Não há página onde desenhar</translation>
    </message>
    <message>
        <source>The picture is empty</source>
        <translation>A imagem está vazia</translation>
    </message>
    <message>
        <source>The picture could not be written (%1)</source>
        <translation>Não foi possível gravar a imagem (%1)</translation>
    </message>
    <message>
        <source>The text font is missing</source>
        <translation>Falta a fonte do texto</translation>
    </message>
    <message>
        <source>The text could not be written (%1)</source>
        <translation>Não foi possível gravar o texto (%1)</translation>
    </message>
    <message>
        <source>No page to end</source>
        <translation>Não há página para encerrar</translation>
    </message>
    <message>
        <source>The page could not be written (%1)</source>
        <translation>Não foi possível gravar a página (%1)</translation>
    </message>
    <message>
        <source>The PDF is not complete</source>
        <translation>O PDF não está completo</translation>
    </message>
    <message>
        <source>The PDF could not be completed (%1)</source>
        <translation>Não foi possível concluir o PDF (%1)</translation>
    </message>
    <message>
        <source>The PDF could not be saved: %1</source>
        <translation>Não foi possível salvar o PDF: %1</translation>
    </message>
</context>
<context>
    <name>PosterArrangements</name>
    <message>
        <source>%1 wide</source>
        <translation>%1 de largura</translation>
    </message>
    <message>
        <source>%1 high</source>
        <translation>%1 de altura</translation>
    </message>
    <message>
        <source>at most 1 sheet</source>
        <translation>no máximo 1 folha</translation>
    </message>
    <message>
        <source>at most %1 sheets</source>
        <translation>no máximo %1 folhas</translation>
    </message>
    <message>
        <source>the whole photo</source>
        <translation>a foto inteira</translation>
    </message>
    <message>
        <source>%1 x %2 sheets, %3</source>
        <translation>%1 x %2 folhas, %3</translation>
    </message>
    <message>
        <source>turned</source>
        <translation>giradas</translation>
    </message>
    <message>
        <source>upright</source>
        <translation>sem girar</translation>
    </message>
    <message>
        <source>No arrangement reaches %1</source>
        <translation>Nenhuma disposição atinge %1</translation>
    </message>
</context>
<context>
    <name>PosterOverview</name>
    <message>
        <source>Poster overview</source>
        <translation>Visão geral do pôster</translation>
    </message>
    <message>
        <source>Final size: %1</source>
        <translation>Tamanho final: %1</translation>
    </message>
    <message>
        <source>Paper: %1, %2 %3</source>
        <translation>Papel: %1, %2 %3</translation>
    </message>
    <message>
        <source>Sheets: %1, %2 across and %3 down</source>
        <translation>Folhas: %1, %2 na horizontal e %3 na vertical</translation>
    </message>
    <message>
        <source>Overlap: %1 %2</source>
        <translation>Sobreposição: %1 %2</translation>
    </message>
    <message>
        <source>Photo shown: %1</source>
        <translation>Foto exibida: %1</translation>
    </message>
    <message>
        <source>Print the sheets at 100% (actual size) on this paper; this page is not part of the poster.</source>
        <translation>Imprima as folhas a 100% (tamanho real) neste papel; esta página não faz parte do pôster.</translation>
    </message>
    <message>
        <source>Lay the sheets out as shown: A1 at the top left, A2 to its right, B1 below it.</source>
        <translation>Disponha as folhas como mostrado: A1 no canto superior esquerdo, A2 à direita dela, B1 abaixo dela.</translation>
    </message>
    <message>
        <source>The sheets print turned: the top of the poster is at each sheet&apos;s left edge. Turn every sheet a quarter turn clockwise before laying it out.</source>
        <translation>As folhas são impressas giradas: o topo do pôster fica na borda esquerda de cada folha. Gire cada folha um quarto de volta no sentido horário antes de dispô-la.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: cut each along its cut line, lay it over the glue area of its neighbour so that the pictures match, and glue it there.</source>
        <translation>As folhas à direita e abaixo ficam por cima: corte cada uma na linha de corte, coloque-a sobre a área de colagem da vizinha de modo que as imagens coincidam e cole-a ali.</translation>
    </message>
    <message>
        <source>Sheets to the right and below lie on top: trim off any margin on their left and top edges, lay them over the shared strip of their neighbour so that the pictures match, and glue them there.</source>
        <translation>As folhas à direita e abaixo ficam por cima: apare as margens das bordas esquerda e superior, coloque-as sobre a faixa compartilhada da vizinha de modo que as imagens coincidam e cole-as ali.</translation>
    </message>
    <message>
        <source>The sheets have no margins: butt them edge to edge.</source>
        <translation>As folhas não têm margens: junte-as borda com borda.</translation>
    </message>
    <message>
        <source>Trim every sheet at its corner crop marks, where the picture ends, then butt the sheets edge to edge.</source>
        <translation>Apare cada folha nas marcas de corte dos cantos, onde a imagem termina, e depois junte as folhas borda com borda.</translation>
    </message>
    <message>
        <source>Trim the margins off every sheet along the edge of the picture, then butt the sheets edge to edge.</source>
        <translation>Apare as margens de cada folha rente à borda da imagem e depois junte as folhas borda com borda.</translation>
    </message>
    <message>
        <source>Start at A1 and work to the right and down; tape or glue the sheets to a backing board or the wall.</source>
        <translation>Comece pela A1 e siga para a direita e para baixo; fixe as folhas com fita ou cola em uma placa de apoio ou na parede.</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
    </message>
</context>
<context>
    <name>PrintTexts</name>
    <message>
        <source>The poster&apos;s sheets are %1, but the printer&apos;s paper is %2. Printed on it, every sheet would be cut off or moved, and Tessellon never shrinks a sheet to fit: the poster would not line up.</source>
        <translation>As folhas do pôster são %1, mas o papel da impressora é %2. Impressa nele, cada folha ficaria cortada ou deslocada, e o Tessellon nunca reduz uma folha para caber: o pôster não ficaria alinhado.</translation>
    </message>
    <message>
        <source>%1 x %2 mm, %3 x %4 in</source>
        <translation>%1 x %2 mm, %3 x %4 pol.</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Print Error</source>
        <translation>Erro de impressão</translation>
    </message>
    <message>
        <source>Preparing the sheets for the printer</source>
        <translation>Preparando as folhas para a impressora</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>Nenhuma impressora está instalada.</translation>
    </message>
    <message>
        <source>There is no printer named &quot;%1&quot;.</source>
        <translation>Não há nenhuma impressora chamada &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; has no paper of %2.</source>
        <translation>A impressora &quot;%1&quot; não tem papel %2.</translation>
    </message>
    <message>
        <source>Printer Margins</source>
        <translation>Margens da impressora</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; is stopped or has an error; start it again (or choose another printer) and print once more. Nothing was sent.</source>
        <translation>A impressora &quot;%1&quot; está parada ou com erro; reative-a (ou escolha outra impressora) e imprima novamente. Nada foi enviado.</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; refused the print job: %2</source>
        <translation>A impressora &quot;%1&quot; recusou o trabalho de impressão: %2</translation>
    </message>
    <message>
        <source>The print job could not be started: %1</source>
        <translation>Não foi possível iniciar o trabalho de impressão: %1</translation>
    </message>
    <message>
        <source>The print job could not be handed to the printer.</source>
        <translation>Não foi possível entregar o trabalho de impressão à impressora.</translation>
    </message>
    <message>
        <source>Printed</source>
        <translation>Impresso</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Folhas</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Printing canceled; nothing was sent to the printer.</source>
        <translation>Impressão cancelada; nada foi enviado à impressora.</translation>
    </message>
    <message>
        <source>Paper Differs</source>
        <translation>Papel diferente</translation>
    </message>
    <message>
        <source>Print at actual size anyway (Yes), or go back to the print dialog (No)?</source>
        <translation>Imprimir em tamanho real mesmo assim (Sim) ou voltar à caixa de diálogo de impressão (Não)?</translation>
    </message>
    <message numerus="yes">
        <source>%n page(s) sent to %1.</source>
        <translation>
            <numerusform>%n página enviada para %1.</numerusform>
            <numerusform>%n páginas enviadas para %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProfileFile</name>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>ProfileStore</name>
    <message>
        <source>the old file cannot be kept</source>
        <translation>o arquivo antigo não pode ser mantido</translation>
    </message>
    <message>
        <source>default</source>
        <translation>padrão</translation>
    </message>
    <message>
        <source>Kodak photo lab default</source>
        <translation>padrão de laboratório fotográfico Kodak</translation>
    </message>
    <message>
        <source>Fuji photo lab default</source>
        <translation>padrão de laboratório fotográfico Fuji</translation>
    </message>
    <message>
        <source>You must have at least one Edge Calibration Profile.  You can not delete your only one.</source>
        <translation>É preciso ter pelo menos um perfil de calibração de bordas.  Não é possível excluir o único perfil.</translation>
    </message>
    <message>
        <source>Can not remove profile</source>
        <translation>Não é possível remover o perfil</translation>
    </message>
    <message>
        <source>Are you sure that you want to delete the currently selected Edge Calibration Profile</source>
        <translation>Tem certeza de que deseja excluir o perfil de calibração de bordas selecionado</translation>
    </message>
    <message>
        <source>Delete Edge Calibration Profile</source>
        <translation>Excluir perfil de calibração de bordas</translation>
    </message>
    <message>
        <source>A profile name can not contain a tab or a line break.  Please type the name on one line, without tabs.</source>
        <translation>O nome de um perfil não pode conter tabulação nem quebra de linha.  Digite o nome em uma única linha, sem tabulações.</translation>
    </message>
    <message>
        <source>Invalid profile name</source>
        <translation>Nome de perfil inválido</translation>
    </message>
    <message>
        <source>You can not have more than 199 Edge Calibration Profiles.  Please delete a profile before you create a new one.</source>
        <translation>Não é possível ter mais de 199 perfis de calibração de bordas.  Exclua um perfil antes de criar outro.</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Perfis de calibração de bordas</translation>
    </message>
    <message>
        <source>Your edge calibration profile file could not be read exactly as it was written.  The original file has been kept as:
%1</source>
        <translation>Não foi possível ler o arquivo de perfis de calibração de bordas exatamente como foi gravado.  O arquivo original foi mantido como:
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
        <translation>Não foi possível salvar a alteração nos perfis de calibração de bordas em:
%1
Ela será mantida até o Tessellon ser fechado.</translation>
    </message>
    <message>
        <source>The application folder can not be written to.  Your edge calibration profiles are now stored in:
%1</source>
        <translation>Não é possível gravar na pasta do aplicativo.  Seus perfis de calibração de bordas agora estão armazenados em:
%1</translation>
    </message>
    <message>
        <source>Can not create profile</source>
        <translation>Não é possível criar o perfil</translation>
    </message>
</context>
<context>
    <name>QtPrintDialogService</name>
    <message>
        <source>Sheets</source>
        <translation>Folhas</translation>
    </message>
    <message>
        <source>Sheets to print, named as they are labelled (A1 to %1) or numbered 1 to %2, such as B2 or 4-6. Empty: the whole poster, after its overview page.</source>
        <translation>Folhas a imprimir, pelos nomes impressos nelas (A1 a %1) ou pelos números de 1 a %2, como B2 ou 4-6. Vazio: o pôster inteiro, após a página de visão geral.</translation>
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
        <translation>imagens</translation>
    </message>
    <message>
        <source>Invalid file chosen.  Can not continue.</source>
        <translation>Arquivo escolhido inválido.  Não é possível continuar.</translation>
    </message>
    <message>
        <source>Problem</source>
        <translation>Problema</translation>
    </message>
    <message>
        <source>Unable to save - invalid image file type</source>
        <translation>Não é possível salvar: tipo de arquivo de imagem inválido</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
</context>
<context>
    <name>SaveTilesOpening</name>
    <message>
        <source>Invalid image/tile information.  Can not continue.</source>
        <translation>Informações de imagem/blocos inválidas.  Não é possível continuar.</translation>
    </message>
    <message>
        <source>Can Not Continue</source>
        <translation>Não é possível continuar</translation>
    </message>
</context>
<context>
    <name>SaveTilesTexts</name>
    <message>
        <source>Could not create the folder</source>
        <translation>Não foi possível criar a pasta</translation>
    </message>
    <message>
        <source>to save your poster tile images into</source>
        <translation>para salvar as imagens dos blocos do pôster</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the drive that you selected, the disk drive is full, or that you provided an invalid folder name.</source>
        <translation>Possíveis causas: você não tem permissão de acesso à unidade selecionada, o disco está cheio ou o nome de pasta informado é inválido</translation>
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
        <translation>A pasta</translation>
    </message>
    <message>
        <source>already exists</source>
        <translation>já existe.</translation>
    </message>
    <message>
        <source>Some files could be overwritten.  Do you want to continue?</source>
        <translation>Alguns arquivos podem ser substituídos.  Deseja continuar?</translation>
    </message>
    <message>
        <source>The file</source>
        <translation>O arquivo</translation>
    </message>
    <message>
        <source>It will be replaced.  Do you want to continue?</source>
        <translation>Ele será substituído.  Deseja continuar?</translation>
    </message>
    <message>
        <source>Could not create the file</source>
        <translation>Não foi possível criar o arquivo</translation>
    </message>
    <message>
        <source>Possible causes of this are that you do not have access rights to the folder that you selected, the disk drive is full, or that you provided an invalid file name.</source>
        <translation>Possíveis causas: você não tem permissão de acesso à pasta selecionada, o disco está cheio ou o nome de arquivo informado é inválido.</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Error calculating tile coordinates</source>
        <translation>Erro ao calcular as coordenadas dos blocos</translation>
    </message>
    <message>
        <source>Error creating FileSystemObject - Windows component missing</source>
        <translation>Erro ao criar o FileSystemObject: componente do Windows ausente</translation>
    </message>
    <message>
        <source>Can not continue</source>
        <translation>Não é possível continuar</translation>
    </message>
    <message>
        <source>Error creating image object</source>
        <translation>Erro ao criar o objeto de imagem</translation>
    </message>
    <message>
        <source>Can not continue - Invalid tile print sizes entered</source>
        <translation>Não é possível continuar: tamanhos de impressão dos blocos inválidos</translation>
    </message>
    <message>
        <source>Error applying printer edge clipping compensation</source>
        <translation>Erro ao aplicar a compensação de corte de bordas da impressora</translation>
    </message>
    <message>
        <source>Out of disk space</source>
        <translation>Sem espaço em disco</translation>
    </message>
    <message>
        <source>Not enough space on selected drive.  Can not save images.</source>
        <translation>Não há espaço suficiente na unidade selecionada.  Não é possível salvar as imagens.</translation>
    </message>
    <message>
        <source>Error saving tile image file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Erro ao salvar o arquivo de imagem do bloco no disco.  Uma possível causa é o disco estar cheio.  Não é possível continuar.</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Canceled by user</source>
        <translation>Cancelado pelo usuário</translation>
    </message>
    <message>
        <source>Folder Exists</source>
        <translation>A pasta já existe</translation>
    </message>
    <message>
        <source>Saving Images Now</source>
        <translation>Salvando as imagens</translation>
    </message>
    <message>
        <source>File Exists</source>
        <translation>O arquivo já existe</translation>
    </message>
    <message>
        <source>Error saving the PDF file to disk.  A possible cause is that the disk is full.  Can not continue.</source>
        <translation>Erro ao salvar o arquivo PDF no disco.  Uma possível causa é o disco estar cheio.  Não é possível continuar.</translation>
    </message>
    <message>
        <source>poster</source>
        <translation>poster</translation>
    </message>
    <message>
        <source>overview</source>
        <translation>visao-geral</translation>
    </message>
    <message>
        <source>File extension not selected</source>
        <translation>Extensão de arquivo não selecionada</translation>
    </message>
    <message>
        <source>You must select the location where the new poster tile image folder will be created</source>
        <translation>Você deve selecionar o local onde a nova pasta de imagens dos blocos do pôster será criada</translation>
    </message>
    <message>
        <source>The base file name must not contain a folder separator (/ or \)</source>
        <translation>O nome base do arquivo não pode conter um separador de pastas (/ ou \)</translation>
    </message>
    <message>
        <source>Error reading the source image</source>
        <translation>Erro ao ler a imagem de origem</translation>
    </message>
    <message>
        <source>The tiles would be smaller than one pixel of the image.  Use fewer tiles, a lower zoom or a larger image.</source>
        <translation>Os blocos seriam menores que um pixel da imagem.  Use menos blocos, um zoom menor ou uma imagem maior.</translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation>Memória insuficiente</translation>
    </message>
    <message>
        <source>A tile of %1 x %2 pixels is too large for one JPEG picture (at most about %3 megapixels).  Use more tiles, or TIFF or BMP files.</source>
        <translation>Um bloco de %1 x %2 pixels é grande demais para uma imagem JPEG (no máximo cerca de %3 megapixels).  Use mais blocos ou arquivos TIFF ou BMP.</translation>
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
        <translation>Folha ou intervalo inexistente em um pôster de %1 × %2 folhas: %3 (indique as folhas pelos nomes impressos nelas, de A1 a %4, ou pelos números de 1 a %5)</translation>
    </message>
</context>
<context>
    <name>SourceImage</name>
    <message>
        <source>The photo&apos;s file %1 has changed or is gone since it was opened. Open it again to use it as it is now.</source>
        <translation>O arquivo da foto %1 foi alterado ou não existe mais desde que foi aberto. Abra-o novamente para usá-lo como está agora.</translation>
    </message>
</context>
<context>
    <name>StatusPictures</name>
    <message>
        <source>Choose a folder that holds your image</source>
        <translation>Escolha uma pasta que contenha a sua imagem</translation>
    </message>
    <message>
        <source>Choose an image from the file list</source>
        <translation>Escolha uma imagem na lista de arquivos</translation>
    </message>
    <message>
        <source>This file could not be loaded</source>
        <translation>Não foi possível carregar este arquivo</translation>
    </message>
    <message>
        <source>Loading...</source>
        <translation>Carregando...</translation>
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
        <translation>Ir para a pasta Documentos</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Área de Trabalho</translation>
    </message>
    <message>
        <source>Navigate to Desktop folder</source>
        <translation>Ir para a pasta Área de Trabalho</translation>
    </message>
    <message>
        <source>Show Tiles</source>
        <translation>Mostrar blocos</translation>
    </message>
    <message>
        <source>Show locations of poster tiles</source>
        <translation>Mostrar a posição dos blocos do pôster</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>Rotate Tiles 90 degrees</source>
        <translation>Girar os blocos 90 graus</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>View full screen preview of your poster</source>
        <translation>Visualizar o pôster em tela cheia</translation>
    </message>
    <message>
        <source>Rotate image 90, 180, or 270 degrees</source>
        <translation>Girar a imagem 90, 180 ou 270 graus</translation>
    </message>
    <message>
        <source>Final Poster Size</source>
        <translation>Tamanho final do pôster</translation>
    </message>
    <message>
        <source>MegaPixels</source>
        <translation>Megapixels</translation>
    </message>
    <message>
        <source>My Documents</source>
        <translation>Documentos</translation>
    </message>
    <message>
        <source>Millions of pixels used in poster image</source>
        <translation>Milhões de pixels usados na imagem do pôster</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Final size of your poster</source>
        <translation>Tamanho final do seu pôster</translation>
    </message>
    <message>
        <source>Resolution</source>
        <translation>Resolução</translation>
    </message>
    <message>
        <source>Quality</source>
        <translation>Qualidade</translation>
    </message>
    <message>
        <source>Estimated image quality of your poster</source>
        <translation>Qualidade de imagem estimada do seu pôster</translation>
    </message>
    <message>
        <source>Resolution of your final printed poster</source>
        <translation>Resolução do seu pôster impresso</translation>
    </message>
    <message>
        <source>Tile Placement</source>
        <translation>Posição dos blocos</translation>
    </message>
    <message>
        <source>Adjust which part of your digital image to include in your poster</source>
        <translation>Ajuste qual parte da sua imagem digital entra no pôster</translation>
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
        <translation>Centralização horizontal dos blocos do pôster</translation>
    </message>
    <message>
        <source>Vertical centering of the poster Tiles</source>
        <translation>Centralização vertical dos blocos do pôster</translation>
    </message>
    <message>
        <source>Zoom amount</source>
        <translation>Nível de zoom</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Number of Tiles</source>
        <translation>Número de blocos</translation>
    </message>
    <message>
        <source>Lock tiles high = tiles wide</source>
        <translation>Blocos na altura = blocos na largura</translation>
    </message>
    <message>
        <source>Force number of tiles high to equal number of tiles wide</source>
        <translation>Manter o número de blocos na altura igual ao número de blocos na largura</translation>
    </message>
    <message>
        <source>Number of Tiles wide that poster will be</source>
        <translation>Número de blocos na largura do pôster</translation>
    </message>
    <message>
        <source>Number of Tiles high that poster will be</source>
        <translation>Número de blocos na altura do pôster</translation>
    </message>
    <message>
        <source>High</source>
        <translation>na altura</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>na largura</translation>
    </message>
    <message>
        <source>Save Poster Tile Images</source>
        <translation>Salvar imagens dos blocos</translation>
    </message>
    <message>
        <source>Generate and save poster tile images now</source>
        <translation>Gerar e salvar agora as imagens dos blocos do pôster</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>Sair do programa</translation>
    </message>
    <message>
        <source>Print Size Per Tile</source>
        <translation>Tamanho de impressão por bloco</translation>
    </message>
    <message>
        <source>Edit paper/margins</source>
        <translation>Editar papel/margens</translation>
    </message>
    <message>
        <source>Adjust edges</source>
        <translation>Ajustar bordas</translation>
    </message>
    <message>
        <source>Apply Edge Calibration compensation when generating poster images</source>
        <translation>Aplicar a compensação da calibração de bordas ao gerar as imagens do pôster</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Edit Edge Calibration Profiles</source>
        <translation>Editar perfis de calibração de bordas</translation>
    </message>
    <message>
        <source>Select active Edge Calibration Profile</source>
        <translation>Selecionar o perfil de calibração de bordas ativo</translation>
    </message>
    <message>
        <source>Units</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Length units</source>
        <translation>Unidades de comprimento</translation>
    </message>
    <message>
        <source>Trimmed</source>
        <translation>Sem margens</translation>
    </message>
    <message>
        <source>Tile size after margins are trimmed off</source>
        <translation>Tamanho do bloco depois de cortar as margens</translation>
    </message>
    <message>
        <source>Full paper size</source>
        <translation>Tamanho total do papel</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>Papel</translation>
    </message>
    <message>
        <source>Paper size that poster tiles are being printed onto</source>
        <translation>Tamanho do papel em que os blocos do pôster são impressos</translation>
    </message>
    <message>
        <source>Currently selected image</source>
        <translation>Imagem selecionada</translation>
    </message>
    <message>
        <source>File list filter</source>
        <translation>Filtro da lista de arquivos</translation>
    </message>
    <message>
        <source>Filtered list of files in selected folder</source>
        <translation>Lista filtrada dos arquivos da pasta selecionada</translation>
    </message>
    <message>
        <source>Select folder containing the image that you want to make a poster out of</source>
        <translation>Selecione a pasta que contém a imagem da qual você quer fazer um pôster</translation>
    </message>
    <message>
        <source>Change the current drive</source>
        <translation>Alterar a unidade atual</translation>
    </message>
    <message>
        <source>Step (4) - Click to Save Tile Image Files</source>
        <translation>Passo (4) - Clique para salvar os arquivos de imagem dos blocos</translation>
    </message>
    <message>
        <source>Step (3) - Adjust Tiles, View Results</source>
        <translation>Passo (3) - Ajuste os blocos e veja o resultado</translation>
    </message>
    <message>
        <source>Step (2) - Set Tile Print Size</source>
        <translation>Passo (2) - Defina o tamanho de impressão dos blocos</translation>
    </message>
    <message>
        <source>Step (1) - Select Image File</source>
        <translation>Passo (1) - Selecione o arquivo de imagem</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Ferramentas</translation>
    </message>
    <message>
        <source>Select Paper/Margins...</source>
        <translation>Selecionar papel/margens...</translation>
    </message>
    <message>
        <source>Edge Calibration...</source>
        <translation>Calibração de bordas...</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Contents...</source>
        <translation>Sumário...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>Sobre...</translation>
    </message>
    <message>
        <source>This option compensates for any edge clipping (cutting off of an image&apos;s left, right, top or bottom edges) that happens in your printer.  Edge Clipping primarily occurs with borderless printing.  Click on the Edit button to create or modify an Edge Calibration Profile for your printer.  The Edge Calibration Profile defines how much edge clipping your printer does (see the help file for more information on this).</source>
        <translation>Esta opção compensa qualquer corte de bordas (a perda das bordas esquerda, direita, superior ou inferior de uma imagem) que ocorra na sua impressora.  O corte de bordas ocorre principalmente na impressão sem bordas.  Clique no botão Editar para criar ou modificar um perfil de calibração de bordas para a sua impressora.  O perfil de calibração de bordas define quanto a sua impressora corta das bordas (consulte a ajuda para obter mais informações).</translation>
    </message>
    <message>
        <source>Edge Calibration Introduction</source>
        <translation>Introdução à calibração de bordas</translation>
    </message>
    <message>
        <source>No image selected.  Please select an image from the file listbox</source>
        <translation>Nenhuma imagem selecionada.  Selecione uma imagem na lista de arquivos</translation>
    </message>
    <message>
        <source>No Image Selected</source>
        <translation>Nenhuma imagem selecionada</translation>
    </message>
    <message>
        <source>full width</source>
        <translation>largura total</translation>
    </message>
    <message>
        <source>center</source>
        <translation>centro</translation>
    </message>
    <message>
        <source>left</source>
        <translation>esquerda</translation>
    </message>
    <message>
        <source>right</source>
        <translation>direita</translation>
    </message>
    <message>
        <source>up</source>
        <translation>acima</translation>
    </message>
    <message>
        <source>down</source>
        <translation>abaixo</translation>
    </message>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
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
        <translation>Muito boa</translation>
    </message>
    <message>
        <source>Good</source>
        <translation>Boa</translation>
    </message>
    <message>
        <source>Fair</source>
        <translation>Razoável</translation>
    </message>
    <message>
        <source>Good from a distance</source>
        <translation>Boa à distância</translation>
    </message>
    <message>
        <source>Fair from a distance</source>
        <translation>Razoável à distância</translation>
    </message>
    <message>
        <source>Invalid tile configuration</source>
        <translation>Configuração de blocos inválida</translation>
    </message>
    <message>
        <source>Invalid</source>
        <translation>Inválido</translation>
    </message>
    <message>
        <source>The help file</source>
        <translation>O arquivo de ajuda</translation>
    </message>
    <message>
        <source>is missing.  Please reinstall this software.</source>
        <translation>não foi encontrado.  Reinstale este programa.</translation>
    </message>
    <message>
        <source>Can not find help file</source>
        <translation>Arquivo de ajuda não encontrado</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>millimeters</source>
        <translation>milímetros</translation>
    </message>
    <message>
        <source>Invalid Tile Print Size Entered</source>
        <translation>Tamanho de impressão dos blocos inválido</translation>
    </message>
    <message>
        <source>Inches</source>
        <translation>Polegadas</translation>
    </message>
    <message>
        <source>Millimeters</source>
        <translation>Milímetros</translation>
    </message>
    <message>
        <source>full height</source>
        <translation>altura total</translation>
    </message>
    <message>
        <source>dots</source>
        <translation>pontos</translation>
    </message>
    <message>
        <source>You have entered invalid print tile sizes.  The width and height need to be in the range of</source>
        <translation>Você informou tamanhos de impressão dos blocos inválidos.  A largura e a altura devem estar no intervalo de</translation>
    </message>
    <message>
        <source>About Tessellon</source>
        <translation>Sobre o Tessellon</translation>
    </message>
    <message>
        <source>System Info</source>
        <translation>Informações do sistema</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message>
        <source>This application creates photo quality posters of any size/shape from your digital images.  It includes Edge Calibration technology to measure and compensate for the characteristics of your printer.</source>
        <translation>Este aplicativo cria pôsteres com qualidade fotográfica, de qualquer tamanho e formato, a partir das suas imagens digitais.  Ele inclui a tecnologia de calibração de bordas, que mede e compensa as características da sua impressora.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click on button to create an Edge Calibration test image for the currently selected print size.  The test image will have 4 lines (1/16 inch wide each) around its border.  Print the test image.   </source>
        <translation>Clique no botão para criar uma imagem de teste de calibração de bordas para o tamanho de impressão selecionado.  A imagem de teste terá 4 linhas (de 1/16 pol. de largura cada) ao redor da borda.  Imprima a imagem de teste.   </translation>
    </message>
    <message>
        <source>inch</source>
        <translation>pol.</translation>
    </message>
    <message>
        <source>Poster Preview</source>
        <translation>Visualização do pôster</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Invalid print size values</source>
        <translation>Valores de tamanho de impressão inválidos</translation>
    </message>
    <message>
        <source>Invalid information</source>
        <translation>Informações inválidas</translation>
    </message>
    <message>
        <source>Edge Test Print</source>
        <translation>Teste de bordas</translation>
    </message>
    <message>
        <source>Select how many of the 4 border lines are visible at each edge of your test print.  This &apos;Edge Calibration Profile&apos; information is used by the software to compensate for any clipping that your printer does. </source>
        <translation>Selecione quantas das 4 linhas de contorno estão visíveis em cada borda da sua impressão de teste.  Essas informações do &apos;Perfil de calibração de bordas&apos; são usadas pelo programa para compensar qualquer corte feito pela sua impressora. </translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the LEFT edge of your test print</source>
        <translation>Para o perfil de calibração de bordas selecionado, indica quantas das quatro linhas de teste estão visíveis na borda ESQUERDA da sua impressão de teste</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the RIGHT edge of your test print</source>
        <translation>Para o perfil de calibração de bordas selecionado, indica quantas das quatro linhas de teste estão visíveis na borda DIREITA da sua impressão de teste</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the TOP edge of your test print</source>
        <translation>Para o perfil de calibração de bordas selecionado, indica quantas das quatro linhas de teste estão visíveis na borda SUPERIOR da sua impressão de teste</translation>
    </message>
    <message>
        <source>For the selected Edge Calibration Profile, indicates how many of the four test lines are visible on the BOTTOM edge of your test print</source>
        <translation>Para o perfil de calibração de bordas selecionado, indica quantas das quatro linhas de teste estão visíveis na borda INFERIOR da sua impressão de teste</translation>
    </message>
    <message>
        <source>Image Files (*.jpg, *.tif, *.bmp)</source>
        <translation>Arquivos de imagem (*.jpg, *.tif, *.bmp)</translation>
    </message>
    <message>
        <source>Jpeg Files Only (*.jpg)</source>
        <translation>Somente arquivos JPEG (*.jpg)</translation>
    </message>
    <message>
        <source>Tiff Files Only (*.tif)</source>
        <translation>Somente arquivos TIFF (*.tif)</translation>
    </message>
    <message>
        <source>BMP Files Only (*.bmp)</source>
        <translation>Somente arquivos BMP (*.bmp)</translation>
    </message>
    <message>
        <source>Show All Files (*.*)</source>
        <translation>Mostrar todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>No Rotate</source>
        <translation>Sem rotação</translation>
    </message>
    <message>
        <source>CW Rotate</source>
        <translation>Rotação horária</translation>
    </message>
    <message>
        <source>CCW Rotate</source>
        <translation>Rotação anti-horária</translation>
    </message>
    <message>
        <source>180 Rotate</source>
        <translation>Rotação de 180°</translation>
    </message>
    <message>
        <source>Overlap:</source>
        <translation>Sobreposição:</translation>
    </message>
    <message>
        <source>Strip of the picture that neighbouring sheets share, for gluing (0 = sheets meet edge to edge)</source>
        <translation>Faixa da imagem que as folhas vizinhas compartilham, para colagem (0 = as folhas se encontram borda com borda)</translation>
    </message>
    <message>
        <source>Invalid overlap.  It must lie between 0 and</source>
        <translation>Sobreposição inválida.  Ela deve ficar entre 0 e</translation>
    </message>
    <message>
        <source>half the tile print size</source>
        <translation>metade do tamanho de impressão do bloco</translation>
    </message>
    <message>
        <source>Overlap</source>
        <translation>Sobreposição</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Foto exibida</translation>
    </message>
    <message>
        <source>%1 % of the width, %2 % of the height</source>
        <translation>%1% da largura, %2% da altura</translation>
    </message>
    <message>
        <source>How much of your photo the poster keeps; the poster&apos;s shape and the zoom cut off the rest</source>
        <translation>Quanto da sua foto o pôster mantém; o formato do pôster e o zoom cortam o restante</translation>
    </message>
    <message>
        <source>Poster Size...</source>
        <translation>Tamanho do pôster...</translation>
    </message>
    <message>
        <source>Find the tile counts and sheet turn for a poster size or a number of sheets</source>
        <translation>Encontrar o número de blocos e a rotação das folhas para um tamanho de pôster ou um número de folhas</translation>
    </message>
    <message>
        <source>Fit Photo</source>
        <translation>Ajustar à foto</translation>
    </message>
    <message>
        <source>With at most as many sheets as now, choose the tile counts and sheet turn that keep the most of the photo</source>
        <translation>Com no máximo tantas folhas quanto agora, escolher o número de blocos e a rotação das folhas que mantêm a maior parte da foto</translation>
    </message>
</context>
<context>
    <name>SysInfoWindow</name>
    <message>
        <source>System Information</source>
        <translation>Informações do sistema</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the system information to the clipboard</source>
        <translation>Copiar as informações do sistema para a área de transferência</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>SystemInfo</name>
    <message>
        <source>(unknown)</source>
        <translation>(desconhecido)</translation>
    </message>
    <message>
        <source>Operating system: </source>
        <translation>Sistema operacional: </translation>
    </message>
    <message>
        <source>Kernel: </source>
        <translation>Kernel: </translation>
    </message>
    <message>
        <source>CPU architecture: </source>
        <translation>Arquitetura da CPU: </translation>
    </message>
    <message>
        <source>Built for: </source>
        <translation>Compilado para: </translation>
    </message>
    <message>
        <source>Qt version: </source>
        <translation>Versão do Qt: </translation>
    </message>
</context>
<context>
    <name>TiffCodec</name>
    <message>
        <source>The TIFF file could not be written</source>
        <translation>Não foi possível gravar o arquivo TIFF</translation>
    </message>
</context>
<context>
    <name>TileSaver</name>
    <message>
        <source>The tile could not be turned</source>
        <translation>Não foi possível girar o bloco</translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message>
        <source>inches</source>
        <translation>polegadas</translation>
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
        <translation>um comprimento como 120cm, %1m, 1200mm ou 47in; um número sem unidade está em %2</translation>
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
        <translation>Página inicial</translation>
    </message>
    <message>
        <source>Visit the Tessellon home page</source>
        <translation>Visite a página inicial do Tessellon</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Questions, answers and help with Tessellon</source>
        <translation>Perguntas, respostas e ajuda sobre o Tessellon</translation>
    </message>
    <message>
        <source>Purchase</source>
        <translation>Comprar</translation>
    </message>
    <message>
        <source>Buy a license for Tessellon</source>
        <translation>Compre uma licença do Tessellon</translation>
    </message>
    <message>
        <source>Copyright © Quillmark Software. All rights reserved.</source>
        <translation>Copyright © Quillmark Software. Todos os direitos reservados.</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
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
        <translation>&amp;Recarregar lista de arquivos</translation>
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
        <translation>Imprimir as folhas do pôster, cada uma no tamanho exato</translation>
    </message>
    <message>
        <source>The file %1 does not exist.</source>
        <translation>O arquivo %1 não existe.</translation>
    </message>
    <message>
        <source>Open Image</source>
        <translation>Abrir imagem</translation>
    </message>
    <message>
        <source>Paper...</source>
        <translation>Papel...</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>E&amp;xibir</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>&amp;System Language</source>
        <translation>Idioma do &amp;sistema</translation>
    </message>
</context>
<context>
    <name>tessellon::frmBtm</name>
    <message>
        <source>Edge Calibration</source>
        <translation>Calibração de bordas</translation>
    </message>
    <message>
        <source>Edge Calibration Profiles</source>
        <translation>Perfis de calibração de bordas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Novo</translation>
    </message>
    <message>
        <source>Create a new Edge Calibration Profile</source>
        <translation>Criar um novo perfil de calibração de bordas</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renomear</translation>
    </message>
    <message>
        <source>Rename the currently selected Edge Calibration Profile</source>
        <translation>Renomear o perfil de calibração de bordas selecionado</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>Delete the currently selected Edge Calibration Profile</source>
        <translation>Excluir o perfil de calibração de bordas selecionado</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close the Edge Calibration dialog box</source>
        <translation>Fechar a janela de calibração de bordas</translation>
    </message>
    <message>
        <source>Step (1) Create and print test image</source>
        <translation>Passo (1) Criar e imprimir a imagem de teste</translation>
    </message>
    <message>
        <source>Create Edge Calibration Test Image</source>
        <translation>Criar imagem de teste de calibração de bordas</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Print the Edge Calibration test image at the tile print size on a printer</source>
        <translation>Imprimir a imagem de teste de calibração de bordas em uma impressora, no tamanho de impressão dos blocos</translation>
    </message>
    <message>
        <source>top edge</source>
        <translation>borda superior</translation>
    </message>
    <message>
        <source>right edge</source>
        <translation>borda direita</translation>
    </message>
    <message>
        <source>bottom edge</source>
        <translation>borda inferior</translation>
    </message>
    <message>
        <source>left edge</source>
        <translation>borda esquerda</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>Superior esquerdo</translation>
    </message>
    <message>
        <source>Test Print</source>
        <translation>Impressão de teste</translation>
    </message>
    <message>
        <source>Step (2) Enter Edge Calibration Profile Information </source>
        <translation>Passo (2) Informar os dados do perfil de calibração de bordas </translation>
    </message>
    <message>
        <source>Top Edge</source>
        <translation>Borda superior</translation>
    </message>
    <message>
        <source>Right Edge</source>
        <translation>Borda direita</translation>
    </message>
    <message>
        <source>Bottom Edge</source>
        <translation>Borda inferior</translation>
    </message>
    <message>
        <source>Left Edge</source>
        <translation>Borda esquerda</translation>
    </message>
    <message>
        <source>Amount the printer cuts of from the edges of images</source>
        <translation>Quanto a impressora corta das bordas das imagens</translation>
    </message>
    <message>
        <source>Edge Calibration information for the currently selected Edge Calibration Profile</source>
        <translation>Dados de calibração de bordas do perfil de calibração de bordas selecionado</translation>
    </message>
    <message>
        <source>Amount the printer cuts off from each edge</source>
        <translation>Quanto a impressora corta de cada borda</translation>
    </message>
    <message>
        <source>Enter name for new configuration</source>
        <translation>Digite o nome da nova configuração</translation>
    </message>
    <message>
        <source>New Configuration</source>
        <translation>Nova configuração</translation>
    </message>
    <message>
        <source>Enter new name for this Edge Calibrtion Profile</source>
        <translation>Digite o novo nome deste perfil de calibração de bordas</translation>
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
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>tessellon::frmMsg</name>
    <message>
        <source>Saving</source>
        <translation>Salvando</translation>
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
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
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
        <translation>Tamanho do pôster</translation>
    </message>
    <message>
        <source>Give the poster&apos;s width, its height, both, or at most how many sheets, in %1 (or type a unit: 120cm, 1.2m, 47in). Tessellon lists the tile counts and sheet turns that reach it with the current paper, margins, overlap and edge compensation, the closest first; zoom and centring stay as they are.</source>
        <translation>Informe a largura do pôster, a altura, ambas ou o número máximo de folhas, em %1 (ou digite uma unidade: 120cm, 1,2m, 47in). O Tessellon lista o número de blocos e a rotação das folhas que atingem esse tamanho com o papel, as margens, a sobreposição e a compensação de bordas atuais, do mais próximo ao mais distante; o zoom e a centralização não mudam.</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largura:</translation>
    </message>
    <message>
        <source>The poster at least this wide, in %1; empty for any width</source>
        <translation>Largura mínima do pôster, em %1; vazio para qualquer largura</translation>
    </message>
    <message>
        <source>&amp;Height:</source>
        <translation>&amp;Altura:</translation>
    </message>
    <message>
        <source>The poster at least this high, in %1; empty for any height</source>
        <translation>Altura mínima do pôster, em %1; vazio para qualquer altura</translation>
    </message>
    <message>
        <source>At most &amp;sheets:</source>
        <translation>Máximo de &amp;folhas:</translation>
    </message>
    <message>
        <source>any number</source>
        <translation>qualquer número</translation>
    </message>
    <message>
        <source>Only arrangements of at most this many sheets</source>
        <translation>Somente disposições com no máximo este número de folhas</translation>
    </message>
    <message>
        <source>The whole &amp;photo must show</source>
        <translation>A foto &amp;inteira deve aparecer</translation>
    </message>
    <message>
        <source>Only arrangements whose shape cuts at most 1 % off a side of the photo</source>
        <translation>Somente disposições cujo formato corta no máximo 1% de um lado da foto</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>Blocos</translation>
    </message>
    <message>
        <source>Sheets</source>
        <translation>Folhas</translation>
    </message>
    <message>
        <source>Final size</source>
        <translation>Tamanho final</translation>
    </message>
    <message>
        <source>Photo shown</source>
        <translation>Foto exibida</translation>
    </message>
    <message>
        <source>Best first: the closest to the size asked, then the one that keeps most of the photo, then the fewest sheets</source>
        <translation>Melhores primeiro: a mais próxima do tamanho pedido, depois a que mantém a maior parte da foto, depois a que usa menos folhas</translation>
    </message>
    <message>
        <source>&amp;Use This</source>
        <translation>&amp;Usar esta</translation>
    </message>
    <message>
        <source>Set the tile counts and the sheet turn of the chosen arrangement</source>
        <translation>Aplicar o número de blocos e a rotação das folhas da disposição escolhida</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>%1 is no length: give %2.</source>
        <translation>%1 não é um comprimento válido: informe %2.</translation>
    </message>
    <message>
        <source>The width</source>
        <translation>A largura</translation>
    </message>
    <message>
        <source>The height</source>
        <translation>A altura</translation>
    </message>
    <message>
        <source>Give a width, a height or a number of sheets.</source>
        <translation>Informe uma largura, uma altura ou um número de folhas.</translation>
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
        <translation>sem girar</translation>
    </message>
    <message>
        <source>%1 arrangements reach it; the best %2 are listed.</source>
        <translation>%1 disposições atingem esse tamanho; as %2 melhores estão listadas.</translation>
    </message>
    <message>
        <source>1 arrangement reaches it.</source>
        <translation>1 disposição atinge esse tamanho.</translation>
    </message>
    <message>
        <source>%1 arrangements reach it.</source>
        <translation>%1 disposições atingem esse tamanho.</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSaveTiles</name>
    <message>
        <source>Save Poster Image Files</source>
        <translation>Salvar arquivos de imagem do pôster</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo de arquivo</translation>
    </message>
    <message>
        <source>Image file format that your poster tile images will be saved as</source>
        <translation>Formato em que as imagens dos blocos do pôster serão salvas</translation>
    </message>
    <message>
        <source>File Save Info</source>
        <translation>Informações de gravação</translation>
    </message>
    <message>
        <source>Base Filename</source>
        <translation>Nome base do arquivo</translation>
    </message>
    <message>
        <source>Base name that will be used to name your poster tile image files</source>
        <translation>Nome base usado para nomear os arquivos de imagem dos blocos do pôster</translation>
    </message>
    <message>
        <source>New Folder Name</source>
        <translation>Nome da nova pasta</translation>
    </message>
    <message>
        <source>Name of the new folder to be created to hold your poster tile images</source>
        <translation>Nome da nova pasta a ser criada para guardar as imagens dos blocos do pôster</translation>
    </message>
    <message>
        <source>Assembly Aids</source>
        <translation>Auxílios de montagem</translation>
    </message>
    <message>
        <source>Sheet names (A1, A2, ...)</source>
        <translation>Nomes das folhas (A1, A2, ...)</translation>
    </message>
    <message>
        <source>PDF: print each sheet&apos;s name and the poster&apos;s layout where no picture shows</source>
        <translation>PDF: imprimir o nome de cada folha e o esquema do pôster onde não há imagem</translation>
    </message>
    <message>
        <source>Cut and glue marks</source>
        <translation>Marcas de corte e colagem</translation>
    </message>
    <message>
        <source>PDF: mark where overlapping sheets are cut and glued, or the picture&apos;s corners when the sheets do not overlap</source>
        <translation>PDF: marcar onde as folhas sobrepostas são cortadas e coladas, ou os cantos da imagem quando as folhas não se sobrepõem</translation>
    </message>
    <message>
        <source>Overview page</source>
        <translation>Página de visão geral</translation>
    </message>
    <message>
        <source>PDF: a first page with the whole poster, its sheets and how to put them together</source>
        <translation>PDF: uma primeira página com o pôster inteiro, suas folhas e como montá-las</translation>
    </message>
    <message>
        <source>Overview image</source>
        <translation>Imagem de visão geral</translation>
    </message>
    <message>
        <source>Image files: also save a picture of the whole poster with its sheets and their names beside the tiles</source>
        <translation>Arquivos de imagem: salvar também, junto aos blocos, uma imagem do pôster inteiro com as folhas e seus nomes</translation>
    </message>
    <message>
        <source>New Folder Location</source>
        <translation>Local da nova pasta</translation>
    </message>
    <message>
        <source>Select current drive</source>
        <translation>Selecionar a unidade atual</translation>
    </message>
    <message>
        <source>Select folder where you want the new subfolder to be created which will contain your poster tile images</source>
        <translation>Selecione a pasta onde será criada a nova subpasta que conterá as imagens dos blocos do pôster</translation>
    </message>
    <message>
        <source>Files currently set to be saved in</source>
        <translation>Os arquivos serão salvos em</translation>
    </message>
    <message>
        <source>Step (1) Select File Preferences for Poster Images</source>
        <translation>Passo (1) Escolha as preferências de arquivo das imagens do pôster</translation>
    </message>
    <message>
        <source>Step (2) Click to Save Files Now</source>
        <translation>Passo (2) Clique para salvar os arquivos</translation>
    </message>
    <message>
        <source>Save Images Now</source>
        <translation>Salvar imagens agora</translation>
    </message>
    <message>
        <source>Click here to generate and save your poster Tile images now</source>
        <translation>Clique aqui para gerar e salvar agora as imagens dos blocos do pôster</translation>
    </message>
    <message>
        <source>close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Close this dialog without generating or saving your poster Tile images</source>
        <translation>Fechar esta janela sem gerar nem salvar as imagens dos blocos do pôster</translation>
    </message>
</context>
<context>
    <name>tessellon::frmSimpleMsg</name>
    <message>
        <source>Finished</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Images Saved Successfully</source>
        <translation>Imagens salvas com sucesso</translation>
    </message>
    <message>
        <source>Your poster images were saved successfully and are now ready for you to print.  They are located in the following folder:</source>
        <translation>As imagens do seu pôster foram salvas com sucesso e já estão prontas para impressão.  Elas estão na seguinte pasta:</translation>
    </message>
    <message>
        <source>Poster Saved Successfully</source>
        <translation>Pôster salvo com sucesso</translation>
    </message>
    <message>
        <source>Your poster was saved successfully and is now ready for you to print at actual size (100 %).  It is the following file:</source>
        <translation>Seu pôster foi salvo com sucesso e já está pronto para ser impresso em tamanho real (100%).  É o seguinte arquivo:</translation>
    </message>
</context>
</TS>
