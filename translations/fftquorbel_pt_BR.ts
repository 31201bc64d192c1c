<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot write the default opening parameters: %1</source>
        <translation>não é possível gravar os parâmetros iniciais padrão: %1</translation>
    </message>
    <message>
        <source>cannot use the opening parameters in %1: %2</source>
        <translation>não é possível usar os parâmetros iniciais em %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>cannot copy %1 to a temporary folder: %2</source>
        <translation>não é possível copiar %1 para uma pasta temporária: %2</translation>
    </message>
    <message>
        <source>no QGuiApplication: the graphs cannot be drawn</source>
        <translation>sem QGuiApplication: os gráficos não podem ser desenhados</translation>
    </message>
    <message>
        <source>the window cannot start from the opening parameters in %1 (it would use the default record instead)</source>
        <translation>a janela não pode partir dos parâmetros iniciais em %1 (usaria o registro padrão no lugar deles)</translation>
    </message>
    <message>
        <source>%1 cannot be used in the state the window has reached</source>
        <translation>%1 não pode ser usado no estado a que a janela chegou</translation>
    </message>
    <message>
        <source>The CSV cannot be made: %1</source>
        <translation>O CSV não pode ser feito: %1</translation>
    </message>
    <message>
        <source>--fs needs a number of hertz from 1 to 1000000</source>
        <translation>--fs requer um número de hertz de 1 a 1000000</translation>
    </message>
    <message>
        <source>controls takes at most one window name</source>
        <translation>controls aceita no máximo um nome de janela</translation>
    </message>
    <message>
        <source>no window named %1 (one of %2)</source>
        <translation>nenhuma janela chamada %1 (uma de %2)</translation>
    </message>
    <message>
        <source>more than one command: %1</source>
        <translation>mais de um comando: %1</translation>
    </message>
    <message>
        <source>unknown command %1 (one of %2)</source>
        <translation>comando desconhecido %1 (um de %2)</translation>
    </message>
    <message>
        <source>%1 needs the name of the file to write</source>
        <translation>%1 requer o nome do arquivo a gravar</translation>
    </message>
    <message>
        <source>csv needs %1</source>
        <translation>csv requer %1</translation>
    </message>
    <message>
        <source>no command given (one of %1)</source>
        <translation>nenhum comando dado (um de %1)</translation>
    </message>
    <message>
        <source>--frame and --hop apply to the spectrogram only</source>
        <translation>--frame e --hop valem só para o espectrograma</translation>
    </message>
    <message>
        <source>--negative needs --method complex</source>
        <translation>--negative requer --method complex</translation>
    </message>
    <message>
        <source>--cos applies to the multiple waves only</source>
        <translation>--cos vale só para as ondas múltiplas</translation>
    </message>
    <message>
        <source>--phase needs --wave sine, square or triangular</source>
        <translation>--phase requer --wave sine, square ou triangular</translation>
    </message>
    <message>
        <source>--scroll needs --expand</source>
        <translation>--scroll requer --expand</translation>
    </message>
    <message>
        <source>--tuning needs --log</source>
        <translation>--tuning requer --log</translation>
    </message>
    <message>
        <source>render needs a folder: render DIR</source>
        <translation>render requer uma pasta: render DIR</translation>
    </message>
    <message>
        <source>--svg applies to render only</source>
        <translation>--svg vale só para render</translation>
    </message>
    <message>
        <source>--pdf applies to render only</source>
        <translation>--pdf vale só para render</translation>
    </message>
    <message>
        <source>--worksheet applies to render and spectrogram only</source>
        <translation>--worksheet vale só para render e spectrogram</translation>
    </message>
    <message>
        <source>--worksheet frames single graphs (not --show both)</source>
        <translation>--worksheet enquadra gráficos únicos (não --show both)</translation>
    </message>
    <message>
        <source>--percent needs --worksheet</source>
        <translation>--percent requer --worksheet</translation>
    </message>
    <message>
        <source>--log shows positive frequencies only (no --negative)</source>
        <translation>--log mostra só frequências positivas (sem --negative)</translation>
    </message>
    <message>
        <source>--log needs a single graph (not --show both)</source>
        <translation>--log requer um único gráfico (não --show both)</translation>
    </message>
    <message>
        <source>--listen records its sound at the input&apos;s rate (no --raw, --fs or --channels)</source>
        <translation>--listen grava seu som na taxa da entrada (sem --raw, --fs nem --channels)</translation>
    </message>
    <message>
        <source>--wave and --listen choose two different functions</source>
        <translation>--wave e --listen escolhem duas funções diferentes</translation>
    </message>
    <message>
        <source>--raw needs --select (and --fs, --channels or --select needs --raw)</source>
        <translation>--raw requer --select (e --fs, --channels ou --select requer --raw)</translation>
    </message>
    <message>
        <source>--wave and --raw choose two different functions</source>
        <translation>--wave e --raw escolhem duas funções diferentes</translation>
    </message>
    <message>
        <source>--seconds applies to wav and play only</source>
        <translation>--seconds vale só para wav e play</translation>
    </message>
    <message>
        <source>csv spectrogram needs the sound file</source>
        <translation>csv spectrogram requer o arquivo de som</translation>
    </message>
    <message>
        <source>spectrogram needs the sound file and the PNG file to write</source>
        <translation>spectrogram requer o arquivo de som e o arquivo PNG a gravar</translation>
    </message>
    <message>
        <source>the spectrogram takes its file after the command (no --raw, --select)</source>
        <translation>o espectrograma recebe seu arquivo depois do comando (sem --raw, --select)</translation>
    </message>
    <message>
        <source>the spectrogram takes only --frame, --hop, --fs and --channels (and --worksheet for its picture)</source>
        <translation>o espectrograma aceita só --frame, --hop, --fs e --channels (e --worksheet para sua imagem)</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 não aceita valor</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>opção desconhecida %1 (veja --help)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 requer um valor</translation>
    </message>
    <message>
        <source>--params needs a file name</source>
        <translation>--params requer um nome de arquivo</translation>
    </message>
    <message>
        <source>%1 takes %2, not %3</source>
        <translation>%1 aceita %2, não %3</translation>
    </message>
    <message>
        <source>--halve needs a whole number from 0 to %1, not %2</source>
        <translation>--halve requer um número inteiro de 0 a %1, não %2</translation>
    </message>
    <message>
        <source>--expand needs two positions in twips, X1,X2, not %1</source>
        <translation>--expand requer duas posições em twips, X1,X2, não %1</translation>
    </message>
    <message>
        <source>--raw needs a file name</source>
        <translation>--raw requer um nome de arquivo</translation>
    </message>
    <message>
        <source>--channels needs first or mean, not %1</source>
        <translation>--channels requer first ou mean, não %1</translation>
    </message>
    <message>
        <source>--listen needs a number of seconds from 0.1 to 10, not %1</source>
        <translation>--listen requer um número de segundos de 0.1 a 10, não %1</translation>
    </message>
    <message>
        <source>--select needs two sample numbers FIRST,LAST with FIRST &lt; LAST, not %1</source>
        <translation>--select requer dois números de amostra FIRST,LAST com FIRST &lt; LAST, não %1</translation>
    </message>
    <message>
        <source>--scroll needs a whole number, not %1</source>
        <translation>--scroll requer um número inteiro, não %1</translation>
    </message>
    <message>
        <source>%1 needs a whole number of points, not %2</source>
        <translation>%1 requer um número inteiro de pontos, não %2</translation>
    </message>
    <message>
        <source>--seconds needs a number of seconds from 0.1 to 60, not %1</source>
        <translation>--seconds requer um número de segundos de 0.1 a 60, não %1</translation>
    </message>
    <message>
        <source>--tuning needs a whole number from -10 to 10, not %1</source>
        <translation>--tuning requer um número inteiro de -10 a 10, não %1</translation>
    </message>
    <message>
        <source>the sound was not played: %1</source>
        <translation>o som não foi reproduzido: %1</translation>
    </message>
    <message>
        <source>the output cannot be written</source>
        <translation>a saída não pode ser escrita</translation>
    </message>
    <message>
        <source>the output cannot be written: %1</source>
        <translation>a saída não pode ser escrita: %1</translation>
    </message>
    <message>
        <source>cannot create a temporary folder: %1</source>
        <translation>não é possível criar uma pasta temporária: %1</translation>
    </message>
    <message>
        <source>step %1 (line %2), %3: %4</source>
        <translation>passo %1 (linha %2), %3: %4</translation>
    </message>
    <message>
        <source>the program&apos;s numbers give: %1; the lesson&apos;s answer: %2</source>
        <translation>os números do programa dão: %1; a resposta da lição: %2</translation>
    </message>
    <message>
        <source>usage: fftquorbel-cli lesson [--strict] LESSON-FOLDER</source>
        <translation>uso: fftquorbel-cli lesson [--strict] PASTA-DA-LIÇÃO</translation>
    </message>
    <message>
        <source>the main window cannot start</source>
        <translation>a janela principal não pode iniciar</translation>
    </message>
    <message>
        <source>lesson: %1 (%2 steps, %3 minutes)</source>
        <translation>lição: %1 (%2 passos, %3 minutos)</translation>
    </message>
    <message>
        <source>the lesson is good</source>
        <translation>a lição está boa</translation>
    </message>
    <message>
        <source>the lesson is broken</source>
        <translation>a lição está com defeito</translation>
    </message>
    <message>
        <source>%1 needs a number</source>
        <translation>%1 precisa de um número</translation>
    </message>
    <message>
        <source>nmr does not take %1</source>
        <translation>nmr não aceita %1</translation>
    </message>
    <message>
        <source>nmr takes one data path and one output</source>
        <translation>nmr aceita um caminho de dados e uma saída</translation>
    </message>
    <message>
        <source>nmr needs the data (folder or JCAMP-DX file) and csv, peaks or a picture file (.png, .svg, .pdf)</source>
        <translation>nmr precisa dos dados (pasta ou arquivo JCAMP-DX) e de csv, peaks ou um arquivo de imagem (.png, .svg, .pdf)</translation>
    </message>
    <message>
        <source>--si needs a power of two from 16 to 4194304</source>
        <translation>--si precisa de uma potência de dois de 16 a 4194304</translation>
    </message>
    <message>
        <source>nmr writes csv, peaks or a .png, .svg or .pdf file</source>
        <translation>nmr escreve csv, peaks ou um arquivo .png, .svg ou .pdf</translation>
    </message>
    <message>
        <source>--zoom and --axes apply to render only</source>
        <translation>--zoom e --axes valem só para render</translation>
    </message>
    <message>
        <source>--zoom takes 100, 125, 150 or 200, not %1</source>
        <translation>--zoom aceita 100, 125, 150 ou 200, não %1</translation>
    </message>
    <message>
        <source>--db draws the linear FFT graph (not --log or --show both)</source>
        <translation>--db desenha o gráfico FFT linear (não --log nem --show both)</translation>
    </message>
    <message>
        <source>Usage: fftquorbel-cli [OPTION]... COMMAND

Computes what the FFT Quorbel main window computes and prints one of its data
lists, one list line per output line. The window is operated exactly as a user
would, starting from the built-in default opening parameters or from a copy of
the --params file; the program&apos;s own opening-parameters file is never read or
written.

Commands:
  samples     sampleList: N, the N samples of f(t), the largest absolute sample
  spectrum    spectrumList: the transform (REALFT: N, H0, HN, then Re/Im pairs;
              complex method: an empty header line, then Re/Im pairs)
  graph       graphValueList: the values of the FFT graph
  displayed   displayedValueList: the values as drawn on the FFT graph
  report      the report (menu &quot;Report&quot;) as plain text: each item at its
              character column, Greek letters as Unicode
  render DIR  the pictures of the graphs shown as PNG files in DIR (made if
              missing): ft.png (f(t)) and fft.png (the FFT graph), or with --log
              music.png (the musical canvas) in place of fft.png, or with --show
              both fft-imaginary.png and fft-real.png; prints the paths written,
              one per line.
              With --svg also ft.svg and the SVG drawing of the graph shown:
              fft.svg, or music.svg with --log (menu &quot;Export&quot;)
              With --pdf also the PDF pictures ft.pdf, and fft.pdf or music.pdf.
              With --worksheet every picture is made &quot;for a worksheet&quot; (menu
              &quot;Export&quot;): axes with quantities, units and round numbers, a
              title and the marks over the graph; not with --show both
  inverse     menu &quot;Inverse&quot;: maxOrig=, maxRevert=, minOrig=, minRevert=, an
              empty line, Maximum error= and Maximum relative error= (%), then
              the table rows: original value, recovered value from column 27
  print FILE  the page of &quot;Print FFT graph&quot; (the graph shown, its scale and
              the report) written to FILE as PDF
  bitmap FILE the picture of &quot;Create bitmap of the FFT graph&quot; saved to FILE
              as a Windows bitmap (.bmp), as &quot;Save image&quot; does
  csv samples|spectrum
              the samples or the spectrum as CSV (menu &quot;Export&quot;): a header
              line, then index, time (s) or frequency (Hz), real, imaginary and
              modulus per point; samples have imaginary part 0
  spectrogram FILE OUT.png
              the spectrogram of the whole sound FILE (menu &quot;Spectrogram...&quot; of
              the raw file window, then &quot;Export PNG&quot;): time across, frequency
              up, levels from -120 to 0 dB of full scale; at most 4096 columns,
              each the mean of the frames it covers; with --worksheet the
              picture for a worksheet (axes, title, colour legend in dB)
  csv spectrogram FILE
              the spectrogram&apos;s frames as CSV: a header line, then per frame its
              centre time (s), then the level in dB of bins 0 .. frame/2
  nmr DATA csv|peaks|OUT.png|OUT.svg|OUT.pdf
              an NMR spectrum from the FID in DATA (an experiment folder or a
              JCAMP-DX file) with its stored parameters: csv gives ppm, real,
              imaginary per point, highest ppm first; peaks gives ppm, Hz, height;
              --lb HZ, --gb FRACTION (Gaussian, with a negative --lb), --si N,
              --phc0 DEG, --phc1 DEG, --auto-phase, --worksheet change them
  wav FILE    the sound of &quot;Save f(t) as sound...&quot; written to FILE as a 16-bit
              mono WAV file (after every option): a calculated wave synthesised
              at 44100 Hz for --seconds, or the transferred samples of --raw at
              the file&apos;s rate; faded in and out over 10 ms, peak at 0.8 of full
              scale
  play        &quot;Play f(t)&quot;: the same sound played on the default sound output;
              ends once it has been played. Without a sound server or output
              device: a message on standard error and exit status 1
  controls [WINDOW]
              the index of the windows&apos; controls, read from their tables: one
              line per control with its kind, caption, the events it answers
              and their handlers (every window, or the one named, e.g. Form1);
              takes no option

Options, applied in this order:
  --raw FILE        analyse a sound: open FILE (8-bit bytes when its name ends
                    in &quot;.raw&quot;, else a sound file recognised by its content:
                    WAV, FLAC, Ogg, AIFF, ...; only read) in the raw file
                    window, type --fs, drag from the first to the last sample
                    of --select and press &quot;Transfer&quot;
  --fs HZ           the file&apos;s sampling frequency, 1 to 1000000 (when not given:
                    22050 for a &quot;.raw&quot; file, the file&apos;s own rate for a sound
                    file)
  --channels C      a sound file of several channels gives its first channel
                    (C = first, the default) or the mean of the channels (mean)
  --listen S        analyse a sound of the default input: record S seconds
                    (0.1 to 10) in the raw file window (&quot;Record&quot;), drag over
                    --select (by default the whole recording) and press
                    &quot;Transfer&quot;; no input: a message and exit status 1
  --select F,L      the samples dragged over: L - F selected points, of which
                    a power of two from 1024 to 16384 is transferred
  --params FILE     start from the opening parameters in FILE (32 values: N,
                    cycles, then a, b and phase of ten wave rows). FILE is only
                    read: the window works on a copy of it.
  --wave KIND       function kind: multiple (menu &quot;Multiple waves&quot;), or
                    sine, square, triangular (menu &quot;Simple waves&quot;, then the
                    wave&apos;s option button); the default is the multiple waves
  --cos             the multiple-wave sum with cosines (option &quot;Cos&quot;)
  --cycles X        the field &quot;Number of cycles (per second)&quot;
  --phase X         the phase of a simple wave, in radians
                    (after --cos, --cycles or --phase: &quot;Both&quot; recalculates)
  --method M        realft (&quot;Through REALFT&quot;, the default) or complex
                    (&quot;Imaginary parts set to zero&quot;)
  --window W        the window function (menu &quot;Window&quot;) that weighs the data
                    window before the transform: rect (&quot;Rectangular&quot;, the
                    default), hann, hamming, blackman or flattop (&quot;Flat top&quot;);
                    samples still prints f(t) unweighted
  --negative        &quot;Show also negative frequencies&quot; (needs --method complex)
  --show Q          what the FFT graph shows: rho (the default), imag, real,
                    realg (real with global maximum) or both (&quot;Both, separately&quot;)
  --halve K         press &quot;Change (*1/2)&quot; K times (0 to 1000)
  --expand X1,X2    press &quot;Horizontal&quot;, then click the right button on the FFT
                    graph at X1 and at X2 (twips, 0 to 7665 across the graph)
  --scroll S        move the scroll bar of the expanded graph to S (the first
                    bin shown; needs --expand)
  --log             press &quot;Log&quot;: the musical scale, over a piano keyboard
  --db              press &quot;dB&quot;: the modulus on the FFT graph in decibels of its
                    largest value, down to -100 dB (the lists stay as they are)
  --tuning S        &quot;Tuning - On&quot;, then the tuning slider to S tenths of a
                    semitone (-10 to 10; needs --log)
  --svg             render: also the SVG drawings
  --pdf             render: also the PDF pictures
  --worksheet       render, spectrogram: the pictures &quot;for a worksheet&quot;
  --percent         render --worksheet: spectra in percent of the largest
  --zoom PERCENT    render: the window&apos;s graphs at 100, 125, 150 or 200 %
  --axes            render: f(t) and the FFT graph with axes (menu &quot;View&quot;)
  --frame N         spectrogram: points per frame, a power of two from 256 to
                    16384 (default 2048), Hann-weighted
  --hop N           spectrogram: points from one frame to the next, 1 to the
                    frame (default a quarter of the frame); with --fs (a &quot;.raw&quot;
                    file&apos;s rate, 22050 by default) and --channels
  --seconds S       wav and play: the length of a calculated wave&apos;s sound, 0.1
                    to 60 seconds (2 when not given)
  -h, --help        print this help and stop
  --                what follows is no option: a file whose name starts with -

An option may also be written --name=value.

Exit status: 0 when the window showed no message; 1 when it did (each message is
printed on standard error, after the list), when a control asked for cannot be
used in the state reached (a disabled menu entry, a hidden scroll bar), or when
the output cannot be written (a full disk, a closed output); 2 for a usage error
or an opening-parameters file that cannot be used (one line on standard error,
no list).
</source>
        <translation>Uso: fftquorbel-cli [OPÇÃO]... COMANDO

Calcula o que a janela principal do FFT Quorbel calcula e imprime uma de suas
listas de dados, uma linha da lista por linha de saída. A janela é operada
exatamente como um usuário faria, a partir dos parâmetros iniciais padrão
embutidos ou de uma cópia do arquivo de --params; o arquivo de parâmetros
iniciais do próprio programa nunca é lido nem gravado.

Comandos:
  samples     sampleList: N, as N amostras de f(t), a maior amostra em módulo
  spectrum    spectrumList: a transformada (REALFT: N, H0, HN, depois pares
              Re/Im; método complexo: uma linha de cabeçalho vazia, depois
              pares Re/Im)
  graph       graphValueList: os valores do gráfico da FFT
  displayed   displayedValueList: os valores como desenhados no gráfico da FFT
  report      o relatório (menu &quot;Relatório&quot;) como texto simples: cada item na
              sua coluna de caracteres, letras gregas em Unicode
  render DIR  as imagens dos gráficos mostrados como arquivos PNG em DIR
              (criado se não existir): ft.png (f(t)) e fft.png (o gráfico da
              FFT), ou com --log music.png (a tela musical) no lugar de fft.png,
              ou com --show both fft-imaginary.png e fft-real.png; imprime os
              caminhos gravados, um por linha.
              Com --svg também ft.svg e o desenho SVG do gráfico mostrado:
              fft.svg, ou music.svg com --log (menu &quot;Exportar&quot;)
              Com --pdf também as imagens PDF ft.pdf, e fft.pdf ou music.pdf.
              Com --worksheet toda imagem é feita &quot;para uma folha de
              exercícios&quot; (menu &quot;Exportar&quot;): eixos com grandezas, unidades e
              números redondos, um título e as marcas sobre o gráfico; não
              com --show both
  inverse     menu &quot;Inversa&quot;: maxOrig=, maxRevert=, minOrig=, minRevert=, uma
              linha vazia, Erro máximo= e Erro relativo máximo= (%), depois as
              linhas da tabela: valor original, valor recuperado a partir da
              coluna 27
  print FILE  a página de &quot;Imprimir gráfico da FFT&quot; (o gráfico mostrado, sua
              escala e o relatório) gravada em FILE como PDF
  bitmap FILE a imagem de &quot;Criar bitmap do gráfico da FFT&quot; salva em FILE
              como bitmap do Windows (.bmp), como faz &quot;Salvar imagem&quot;
  csv samples|spectrum
              as amostras ou o espectro como CSV (menu &quot;Exportar&quot;): uma linha
              de cabeçalho, depois índice, tempo (s) ou frequência (Hz), parte
              real, imaginária e módulo por ponto; as amostras têm parte
              imaginária 0
  spectrogram FILE OUT.png
              o espectrograma de todo o arquivo de som FILE (menu
              &quot;Espectrograma...&quot; da janela de arquivos brutos, depois &quot;Exportar
              PNG&quot;): tempo na horizontal, frequência para cima, níveis de -120 a
              0 dB do fundo de escala; no máximo 4096 colunas, cada uma a média
              dos quadros que cobre; com --worksheet a imagem para uma folha
              de exercícios (eixos, título, legenda de cores em dB)
  csv spectrogram FILE
              os quadros do espectrograma como CSV: uma linha de cabeçalho,
              depois, por quadro, seu tempo central (s) e o nível em dB dos
              pontos 0 .. quadro/2
  nmr DADOS csv|peaks|SAIDA.png|SAIDA.svg|SAIDA.pdf
              um espectro de RMN a partir do FID em DADOS (pasta de um
              experimento ou arquivo JCAMP-DX) com seus parâmetros guardados:
              csv dá ppm, real, imaginária por ponto, ppm mais alto primeiro;
              peaks dá ppm, Hz, altura; --lb HZ, --gb FRAÇÃO (gaussiana, com
              --lb negativo), --si N, --phc0 GRAUS, --phc1 GRAUS, --auto-phase,
              --worksheet os alteram
  wav FILE    o som de &quot;Salvar f(t) como som...&quot; gravado em FILE como arquivo
              WAV mono de 16 bits (após todas as opções): uma onda calculada
              sintetizada a 44100 Hz por --seconds, ou as amostras transferidas
              de --raw na taxa do arquivo; com entrada e saída suaves de 10 ms,
              pico em 0.8 do fundo de escala
  play        &quot;Tocar f(t)&quot;: o mesmo som tocado na saída de som padrão; termina
              quando acaba de tocar. Sem servidor de som ou dispositivo de
              saída: uma mensagem na saída de erro e código de saída 1
  controls [WINDOW]
              o índice dos controles das janelas, lido das suas tabelas: uma
              linha por controle com seu tipo, legenda, os eventos a que
              responde e seus tratadores (todas as janelas, ou a indicada,
              p. ex. Form1); não aceita opções

Opções, aplicadas nesta ordem:
  --raw FILE        analisar um som: abrir FILE (bytes de 8 bits quando o nome
                    termina em &quot;.raw&quot;, senão um arquivo de som reconhecido pelo
                    conteúdo: WAV, FLAC, Ogg, AIFF, ...; só lido) na janela de
                    arquivos brutos, digitar --fs, arrastar da primeira à
                    última amostra de --select e pressionar &quot;Transferir&quot;
  --fs HZ           a frequência de amostragem do arquivo, de 1 a 1000000
                    (quando omitida: 22050 para um arquivo &quot;.raw&quot;, a taxa do
                    próprio arquivo para um arquivo de som)
  --channels C      um arquivo de som com vários canais fornece o primeiro
                    canal (C = first, o padrão) ou a média dos canais (mean)
  --listen S        analisar um som da entrada padrão: gravar S segundos (0.1
                    a 10) na janela de arquivos brutos (&quot;Gravar&quot;), arrastar
                    sobre --select (por padrão a gravação inteira) e pressionar
                    &quot;Transferir&quot;; sem entrada: uma mensagem e código de saída 1
  --select F,L      as amostras arrastadas: L - F pontos selecionados, dos
                    quais uma potência de dois de 1024 a 16384 é transferida
  --params FILE     partir dos parâmetros iniciais em FILE (32 valores: N,
                    ciclos, depois a, b e fase de dez linhas de ondas). FILE só
                    é lido: a janela trabalha numa cópia dele.
  --wave KIND       tipo de função: multiple (menu &quot;Ondas múltiplas&quot;), ou
                    sine, square, triangular (menu &quot;Ondas simples&quot;, depois o
                    botão de opção da onda); o padrão são as ondas múltiplas
  --cos             a soma de ondas múltiplas com cossenos (opção &quot;Cos&quot;)
  --cycles X        o campo &quot;Número de ciclos (por segundo)&quot;
  --phase X         a fase de uma onda simples, em radianos
                    (após --cos, --cycles ou --phase: &quot;Ambos&quot; recalcula)
  --method M        realft (&quot;Por REALFT&quot;, o padrão) ou complex
                    (&quot;Partes imaginárias iguais a zero&quot;)
  --window W        a função janela (menu &quot;Janela&quot;) que pondera a janela de
                    dados antes da transformada: rect (&quot;Retangular&quot;, o
                    padrão), hann, hamming, blackman ou flattop (&quot;Flat top&quot;);
                    samples continua imprimindo f(t) sem ponderação
  --negative        &quot;Mostrar também frequências negativas&quot; (requer
                    --method complex)
  --show Q          o que o gráfico da FFT mostra: rho (o padrão), imag, real,
                    realg (real com máximo global) ou both (&quot;Ambos,
                    separadamente&quot;)
  --halve K         pressionar &quot;Alterar (*1/2)&quot; K vezes (0 a 1000)
  --expand X1,X2    pressionar &quot;Horizontal&quot;, depois clicar com o botão direito
                    no gráfico da FFT em X1 e em X2 (twips, 0 a 7665 ao longo
                    do gráfico)
  --scroll S        mover a barra de rolagem do gráfico expandido para S (o
                    primeiro ponto mostrado; requer --expand)
  --log             pressionar &quot;Log&quot;: a escala musical, sobre um teclado de
                    piano
  --db              pressionar &quot;dB&quot;: o módulo no gráfico FFT em decibéis do
                    seu maior valor, até -100 dB (as listas não mudam)
  --tuning S        &quot;Afinação - Sim&quot;, depois o controle de afinação em S
                    décimos de semitom (-10 a 10; requer --log)
  --svg             render: também os desenhos SVG
  --pdf             render: também as imagens PDF
  --worksheet       render, spectrogram: as imagens &quot;para uma folha de
                    exercícios&quot;
  --percent         render --worksheet: espectros em porcentagem do maior
  --zoom PERCENT    render: os gráficos da janela a 100, 125, 150 ou 200 %
  --axes            render: f(t) e o gráfico da FFT com eixos (menu &quot;Exibir&quot;)
  --frame N         spectrogram: pontos por quadro, uma potência de dois de 256
                    a 16384 (padrão 2048), com janela de Hann
  --hop N           spectrogram: pontos de um quadro ao seguinte, de 1 ao
                    quadro (padrão: um quarto do quadro); com --fs (a taxa de
                    um arquivo &quot;.raw&quot;, 22050 por padrão) e --channels
  --seconds S       wav e play: a duração do som de uma onda calculada, de 0.1
                    a 60 segundos (2 quando omitida)
  -h, --help        imprimir esta ajuda e parar
  --                o que segue não é uma opção: um arquivo cujo nome começa
                    com -

Uma opção também pode ser escrita --nome=valor.

Código de saída: 0 quando a janela não mostrou nenhuma mensagem; 1 quando
mostrou (cada mensagem é impressa na saída de erro, depois da lista), quando
um controle pedido não pode ser usado no estado alcançado (um item de menu
desativado, uma barra de rolagem oculta), ou quando a saída não pode ser
escrita (um disco cheio, uma saída fechada); 2 para um erro de uso ou um
arquivo de parâmetros iniciais que não pode ser usado (uma linha na saída de
erro, nenhuma lista).
</translation>
    </message>
</context>
<context>
    <name>Filters</name>
    <message>
        <source>Sound Wave Files (*.raw)|*.raw|Sound files (*.raw *.wav *.flac *.ogg *.oga *.opus *.aif *.aiff *.au *.snd *.caf *.w64 *.rf64 *.voc *.mat *.sd2 *.iff *.svx *.nist *.sph *.htk *.avr *.pvf *.xi *.paf *.wve *.mpc)|*.raw;*.wav;*.flac;*.ogg;*.oga;*.opus;*.aif;*.aiff;*.au;*.snd;*.caf;*.w64;*.rf64;*.voc;*.mat;*.sd2;*.iff;*.svx;*.nist;*.sph;*.htk;*.avr;*.pvf;*.xi;*.paf;*.wve;*.mpc|All files (*)|*</source>
        <translation>Arquivos de onda sonora (*.raw)|*.raw|Arquivos de som (*.raw *.wav *.flac *.ogg *.oga *.opus *.aif *.aiff *.au *.snd *.caf *.w64 *.rf64 *.voc *.mat *.sd2 *.iff *.svx *.nist *.sph *.htk *.avr *.pvf *.xi *.paf *.wve *.mpc)|*.raw;*.wav;*.flac;*.ogg;*.oga;*.opus;*.aif;*.aiff;*.au;*.snd;*.caf;*.w64;*.rf64;*.voc;*.mat;*.sd2;*.iff;*.svx;*.nist;*.sph;*.htk;*.avr;*.pvf;*.xi;*.paf;*.wve;*.mpc|Todos os arquivos (*)|*</translation>
    </message>
    <message>
        <source>Image Files (Bitmaps)(*.bmp)|*.bmp</source>
        <translation>Arquivos de imagem (bitmaps)(*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>CSV files|*.csv</source>
        <translation>Arquivos CSV|*.csv</translation>
    </message>
    <message>
        <source>Text files|*.txt</source>
        <translation>Arquivos de texto|*.txt</translation>
    </message>
    <message>
        <source>PNG images|*.png</source>
        <translation>Imagens PNG|*.png</translation>
    </message>
    <message>
        <source>SVG drawings|*.svg</source>
        <translation>Desenhos SVG|*.svg</translation>
    </message>
    <message>
        <source>WAV sound files|*.wav</source>
        <translation>Arquivos de som WAV|*.wav</translation>
    </message>
    <message>
        <source>PDF documents|*.pdf</source>
        <translation>Documentos PDF|*.pdf</translation>
    </message>
    <message>
        <source>NMR data (fid, acqus, JCAMP-DX)|fid;acqus;*.dx;*.jdx;*.jcamp|All files|*</source>
        <translation>Dados de RMN (fid, acqus, JCAMP-DX)|fid;acqus;*.dx;*.jdx;*.jcamp|Todos os arquivos|*</translation>
    </message>
    <message>
        <source>PNG images|*.png|SVG drawings|*.svg|PDF documents|*.pdf</source>
        <translation>Imagens PNG|*.png|Desenhos SVG|*.svg|Documentos PDF|*.pdf</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Frequency of File .raw</source>
        <translation>Frequência do arquivo .raw</translation>
    </message>
    <message>
        <source>Lin</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>Panoramic</source>
        <translation>Panorâmico</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Tuning - Off</source>
        <translation>Afinação - Não</translation>
    </message>
    <message>
        <source>Tuning - On</source>
        <translation>Afinação - Sim</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Fixar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Frequency of the File *.raw</source>
        <translation>Frequência do arquivo *.raw</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Inverter</translation>
    </message>
    <message>
        <source>Type here the desired value</source>
        <translation>Digite aqui o valor desejado</translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation>Número de ciclos (por segundo)</translation>
    </message>
    <message>
        <source> Press the right button of the mouse and drag it! </source>
        <translation> Pressione o botão direito do mouse e arraste! </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Both, separately</source>
        <translation>Ambos, separadamente</translation>
    </message>
    <message>
        <source>Calculate and plot again f(t) and FFT graphs</source>
        <translation>Calcular e traçar de novo os gráficos de f(t) e da FFT</translation>
    </message>
    <message>
        <source>Calculate and plot again f(t) graph</source>
        <translation>Calcular e traçar de novo o gráfico de f(t)</translation>
    </message>
    <message>
        <source>Calculate and plot again the Fourier transform graph</source>
        <translation>Calcular e traçar de novo o gráfico da transformada de Fourier</translation>
    </message>
    <message>
        <source>Calculating imaginary parts (only for calculated waves)</source>
        <translation>Calculando as partes imaginárias (só para ondas calculadas)</translation>
    </message>
    <message>
        <source>Cancel all expansions</source>
        <translation>Cancelar todas as expansões</translation>
    </message>
    <message>
        <source>Cancel expansions</source>
        <translation>Cancelar expansões</translation>
    </message>
    <message>
        <source>Cancel modifications in the number of points</source>
        <translation>Cancelar as alterações no número de pontos</translation>
    </message>
    <message>
        <source>Change (*1/2)</source>
        <translation>Alterar (*1/2)</translation>
    </message>
    <message>
        <source>Change scales of FFT graph</source>
        <translation>Alterar as escalas do gráfico da FFT</translation>
    </message>
    <message>
        <source>Cos</source>
        <translation>Cos</translation>
    </message>
    <message>
        <source>Create bitmap of the FFT graph</source>
        <translation>Criar bitmap do gráfico da FFT</translation>
    </message>
    <message>
        <source>Data extension in seconds</source>
        <translation>Extensão dos dados em segundos</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Divide the height of peaks by two</source>
        <translation>Dividir a altura dos picos por dois</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Exemplos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Expansion</source>
        <translation>Expansão</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>FFT Quorbel 1.0</source>
        <translation>FFT Quorbel 1.0</translation>
    </message>
    <message>
        <source>FFT graph as PNG...</source>
        <translation>Gráfico da FFT como PNG...</translation>
    </message>
    <message>
        <source>FFT graph as SVG...</source>
        <translation>Gráfico da FFT como SVG...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Files  *.raw...</source>
        <translation>Arquivos  *.raw...</translation>
    </message>
    <message>
        <source>Function to be analysed</source>
        <translation>Função a ser analisada</translation>
    </message>
    <message>
        <source>Graph</source>
        <translation>Gráfico</translation>
    </message>
    <message>
        <source>Graph of f (t)</source>
        <translation>Gráfico de f (t)</translation>
    </message>
    <message>
        <source>Graph of f(t) as PNG...</source>
        <translation>Gráfico de f(t) como PNG...</translation>
    </message>
    <message>
        <source>Graph of f(t) as SVG...</source>
        <translation>Gráfico de f(t) como SVG...</translation>
    </message>
    <message>
        <source>Graph of the Fourier Transform  ( FFT)</source>
        <translation>Gráfico da Transformada de Fourier  ( FFT)</translation>
    </message>
    <message>
        <source>Graph of the Original function</source>
        <translation>Gráfico da função original</translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation>Harmônicos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Imaginary (i)</source>
        <translation>Imaginária (i)</translation>
    </message>
    <message>
        <source>Imaginary parts set to zero (only for calculated waves)</source>
        <translation>Partes imaginárias iguais a zero (só para ondas calculadas)</translation>
    </message>
    <message>
        <source>Initial configuration</source>
        <translation>Configuração inicial</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Multiple waves</source>
        <translation>Ondas múltiplas</translation>
    </message>
    <message>
        <source>Multiply the height of peaks by 2</source>
        <translation>Multiplicar a altura dos picos por 2</translation>
    </message>
    <message>
        <source>Musical analysis</source>
        <translation>Análise musical</translation>
    </message>
    <message>
        <source>Musical graph as PNG...</source>
        <translation>Gráfico musical como PNG...</translation>
    </message>
    <message>
        <source>Musical graph as SVG...</source>
        <translation>Gráfico musical como SVG...</translation>
    </message>
    <message>
        <source>Number of data points in the window</source>
        <translation>Número de pontos de dados na janela</translation>
    </message>
    <message>
        <source>Nyquist</source>
        <translation>Nyquist</translation>
    </message>
    <message>
        <source>Only FFT</source>
        <translation>Só FFT</translation>
    </message>
    <message>
        <source>Only f(t)</source>
        <translation>Só f(t)</translation>
    </message>
    <message>
        <source>PNG at double resolution</source>
        <translation>PNG em resolução dupla</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Pontos</translation>
    </message>
    <message>
        <source>Print FFT graph</source>
        <translation>Imprimir gráfico da FFT</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurar impressão</translation>
    </message>
    <message>
        <source>Raw data renewal</source>
        <translation>Renovar dados brutos</translation>
    </message>
    <message>
        <source>Real (r)</source>
        <translation>Real (r)</translation>
    </message>
    <message>
        <source>Real with global maximum (r)</source>
        <translation>Real com máximo global (r)</translation>
    </message>
    <message>
        <source>Reduce to one half the number of points, and complement the window with zeros</source>
        <translation>Reduzir à metade o número de pontos e completar a janela com zeros</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Report as text...</source>
        <translation>Relatório como texto...</translation>
    </message>
    <message>
        <source>Samples as CSV...</source>
        <translation>Amostras como CSV...</translation>
    </message>
    <message>
        <source>Show Only positive frequencies</source>
        <translation>Mostrar só frequências positivas</translation>
    </message>
    <message>
        <source>Show also negative frequencies</source>
        <translation>Mostrar também frequências negativas</translation>
    </message>
    <message>
        <source>Simple wave to be analysed</source>
        <translation>Onda simples a ser analisada</translation>
    </message>
    <message>
        <source>Simple waves</source>
        <translation>Ondas simples</translation>
    </message>
    <message>
        <source>Sin</source>
        <translation>Sen</translation>
    </message>
    <message>
        <source>Sine wave</source>
        <translation>Onda senoidal</translation>
    </message>
    <message>
        <source>Spectrum as CSV...</source>
        <translation>Espectro como CSV...</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Abertura</translation>
    </message>
    <message>
        <source>Splash observe</source>
        <translation>Ver abertura</translation>
    </message>
    <message>
        <source>Square wave</source>
        <translation>Onda quadrada</translation>
    </message>
    <message>
        <source>Start horizontal expansion process</source>
        <translation>Iniciar a expansão horizontal</translation>
    </message>
    <message>
        <source>Through REALFT</source>
        <translation>Por REALFT</translation>
    </message>
    <message>
        <source>Total number of points in f(t) graph</source>
        <translation>Total de pontos no gráfico de f(t)</translation>
    </message>
    <message>
        <source>Triangular wave</source>
        <translation>Onda triangular</translation>
    </message>
    <message>
        <source>Try it!</source>
        <translation>Experimente!</translation>
    </message>
    <message>
        <source>Type the desired value</source>
        <translation>Digite o valor desejado</translation>
    </message>
    <message>
        <source>Use the slider to move the graph of 1/10 of a semitone for each unity of the slider.</source>
        <translation>Use o controle deslizante para mover o gráfico 1/10 de semitom por unidade do controle.</translation>
    </message>
    <message>
        <source>Vector Rho = (r2+i2)^(1/2)</source>
        <translation>Vetor Rho = (r2+i2)^(1/2)</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Window Width (seconds):</source>
        <translation>Largura da janela (segundos):</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>f(t) = +1 if sin(2πνt + φ) ≥ 0, else −1</source>
        <translation>f(t) = +1 se sen(2πνt + φ) ≥ 0, senão −1</translation>
    </message>
    <message>
        <source>f(t) = sin(2πνt + φ)</source>
        <translation>f(t) = sen(2πνt + φ)</translation>
    </message>
    <message>
        <source>f(t) = triangle between +1 and −1, phase φ</source>
        <translation>f(t) = triângulo entre +1 e −1, fase φ</translation>
    </message>
    <message>
        <source>f(t) = Σ aᵢ·cos(bᵢ·2πνt + θᵢ)</source>
        <translation>f(t) = Σ aᵢ·cos(bᵢ·2πνt + θᵢ)</translation>
    </message>
    <message>
        <source>f(t) = Σ aᵢ·sin(bᵢ·2πνt + φᵢ)</source>
        <translation>f(t) = Σ aᵢ·sen(bᵢ·2πνt + φᵢ)</translation>
    </message>
    <message>
        <source>1 second</source>
        <translation>1 segundo</translation>
    </message>
    <message>
        <source>2 seconds</source>
        <translation>2 segundos</translation>
    </message>
    <message>
        <source>5 seconds</source>
        <translation>5 segundos</translation>
    </message>
    <message>
        <source>Play f(t)</source>
        <translation>Tocar f(t)</translation>
    </message>
    <message>
        <source>Play recovered function</source>
        <translation>Tocar a função recuperada</translation>
    </message>
    <message>
        <source>Run &quot;Inverse&quot; first: the recovered function is what it gives.</source>
        <translation>Execute primeiro &quot;Inversa&quot;: a função recuperada é o que ela fornece.</translation>
    </message>
    <message>
        <source>Save f(t) as sound...</source>
        <translation>Salvar f(t) como som...</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Sound length</source>
        <translation>Duração do som</translation>
    </message>
    <message>
        <source>Strongest peak: none (silence)</source>
        <translation>Pico mais forte: nenhum (silêncio)</translation>
    </message>
    <message>
        <source>Strongest peak: %1</source>
        <translation>Pico mais forte: %1</translation>
    </message>
    <message>
        <source>%1 Hz is above %2 Hz and appears at %3 Hz; see Help: Nyquist</source>
        <translation>%1 Hz está acima de %2 Hz e aparece em %3 Hz; veja Ajuda: Nyquist</translation>
    </message>
    <message>
        <source>%1 Hz is at %2 Hz and appears at %3 Hz; see Help: Nyquist</source>
        <translation>%1 Hz está em %2 Hz e aparece em %3 Hz; veja Ajuda: Nyquist</translation>
    </message>
    <message>
        <source> (and 1 more row)</source>
        <translation> (e mais 1 linha)</translation>
    </message>
    <message>
        <source> (and %1 more rows)</source>
        <translation> (e mais %1 linhas)</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Ouvindo...</translation>
    </message>
    <message>
        <source>Blackman</source>
        <translation>Blackman</translation>
    </message>
    <message>
        <source>Flat top</source>
        <translation>Flat top</translation>
    </message>
    <message>
        <source>Hamming</source>
        <translation>Hamming</translation>
    </message>
    <message>
        <source>Hann</source>
        <translation>Hann</translation>
    </message>
    <message>
        <source>Keep the last spectrum shown, as raw data</source>
        <translation>Guardar o último espectro mostrado, como dados brutos</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Retangular</translation>
    </message>
    <message>
        <source>Samples analysed</source>
        <translation>Amostras analisadas</translation>
    </message>
    <message>
        <source>Show the spectrum of the sound input as it comes</source>
        <translation>Mostrar o espectro da entrada de som à medida que chega</translation>
    </message>
    <message>
        <source>Stop listening</source>
        <translation>Parar de ouvir</translation>
    </message>
    <message>
        <source>The number of the latest samples each spectrum of the live view analyses</source>
        <translation>O número das amostras mais recentes que cada espectro da visão ao vivo analisa</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Janela</translation>
    </message>
    <message>
        <source>FFT graph as PDF...</source>
        <translation>Gráfico da FFT como PDF...</translation>
    </message>
    <message>
        <source>Graph of f(t) as PDF...</source>
        <translation>Gráfico de f(t) como PDF...</translation>
    </message>
    <message>
        <source>Musical graph as PDF...</source>
        <translation>Gráfico musical como PDF...</translation>
    </message>
    <message>
        <source>Spectrum in % of the largest, as in the report</source>
        <translation>Espectro em % do maior, como no relatório</translation>
    </message>
    <message>
        <source>for a worksheet</source>
        <translation>para uma folha de exercícios</translation>
    </message>
    <message>
        <source>Keyboard cursor at %1.</source>
        <translation>Cursor do teclado em %1.</translation>
    </message>
    <message>
        <source>Choosing the region to expand: press Enter at each of its limits, or Escape to cancel.</source>
        <translation>Escolhendo a região a expandir: pressione Enter em cada um de seus limites, ou Esc para cancelar.</translation>
    </message>
    <message>
        <source>The first limit is set.</source>
        <translation>O primeiro limite está marcado.</translation>
    </message>
    <message>
        <source>Enter places the harmonic markers at the cursor.</source>
        <translation>Enter coloca os marcadores dos harmônicos no cursor.</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 amostras</translation>
    </message>
    <message>
        <source>Use the right button of the mouse to set the limits of the region to be expanded</source>
        <translation>Use o botão direito do mouse para marcar os limites da região a ser expandida</translation>
    </message>
    <message>
        <source>No peaks.</source>
        <translation>Nenhum pico.</translation>
    </message>
    <message>
        <source>Peaks, frequency and amplitude: %1.</source>
        <translation>Picos, frequência e amplitude: %1.</translation>
    </message>
    <message>
        <source>Nothing computed yet.</source>
        <translation>Nada calculado ainda.</translation>
    </message>
    <message>
        <source>Sound file %1.</source>
        <translation>Arquivo de som %1.</translation>
    </message>
    <message>
        <source>%1 with a, b, φ: %2, ν = %3 cycles per second.</source>
        <translation>%1 com a, b, φ: %2, ν = %3 ciclos por segundo.</translation>
    </message>
    <message>
        <source>%1 with φ = %2, ν = %3 cycles per second.</source>
        <translation>%1 com φ = %2, ν = %3 ciclos por segundo.</translation>
    </message>
    <message>
        <source>%1, ν = %2 cycles per second.</source>
        <translation>%1, ν = %2 ciclos por segundo.</translation>
    </message>
    <message>
        <source>%1 points over %2 seconds, values from %3 to %4.</source>
        <translation>%1 pontos em %2 segundos, valores de %3 a %4.</translation>
    </message>
    <message>
        <source>FFT graph</source>
        <translation>Gráfico da FFT</translation>
    </message>
    <message>
        <source>The Fourier transform of f(t): %1</source>
        <translation>A transformada de Fourier de f(t): %1</translation>
    </message>
    <message>
        <source>Graph of f(t)</source>
        <translation>Gráfico de f(t)</translation>
    </message>
    <message>
        <source>Musical graph</source>
        <translation>Gráfico musical</translation>
    </message>
    <message>
        <source>The spectrum over a piano keyboard, on a logarithmic frequency axis: %1</source>
        <translation>O espectro sobre um teclado de piano, num eixo de frequências logarítmico: %1</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>Parte real</translation>
    </message>
    <message>
        <source>The real parts (r) of the transform, one bar per frequency.</source>
        <translation>As partes reais (r) da transformada, uma barra por frequência.</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>Parte imaginária</translation>
    </message>
    <message>
        <source>The imaginary parts (i) of the transform, one bar per frequency.</source>
        <translation>As partes imaginárias (i) da transformada, uma barra por frequência.</translation>
    </message>
    <message>
        <source>A spectrum from a free induction decay, read or simulated</source>
        <translation>Um espectro a partir de um decaimento de indução livre, lido ou simulado</translation>
    </message>
    <message>
        <source>NMR</source>
        <translation>RMN</translation>
    </message>
    <message>
        <source>NMR spectrum...</source>
        <translation>Espectro de RMN...</translation>
    </message>
    <message>
        <source>Exports and worksheets</source>
        <translation>Exportações e impressão</translation>
    </message>
    <message>
        <source>Harmonic markers</source>
        <translation>Marcadores de harmônicos</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Sound files and recording</source>
        <translation>Arquivos e gravação</translation>
    </message>
    <message>
        <source>Sound menu</source>
        <translation>Menu Som</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Windows and aliasing</source>
        <translation>Janelas e aliasing</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Tópicos</translation>
    </message>
    <message>
        <source>At this size the window would not fit the screen</source>
        <translation>Neste tamanho a janela não caberia na tela</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Eixos</translation>
    </message>
    <message>
        <source>Normal size</source>
        <translation>Tamanho normal</translation>
    </message>
    <message>
        <source>Scales of time and amplitude on f(t), of value on the FFT graph</source>
        <translation>Escalas de tempo e amplitude em f(t), de valor no gráfico da FFT</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Exibir</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reduzir</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Retido: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Agora: %1</translation>
    </message>
    <message>
        <source>Floor (dB):</source>
        <translation>Piso (dB):</translation>
    </message>
    <message>
        <source>Hold spectrum</source>
        <translation>Reter espectro</translation>
    </message>
    <message>
        <source>Keep the spectrum shown as a grey trace under the next ones</source>
        <translation>Manter o espectro mostrado como um traço cinza sob os próximos</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Remove the held spectrum</source>
        <translation>Remover o espectro retido</translation>
    </message>
    <message>
        <source>Show the modulus in decibels of its largest value, down to the floor</source>
        <translation>Mostrar o módulo em decibéis do seu maior valor, até o piso</translation>
    </message>
    <message>
        <source>The level drawn on the axis, a negative number of dB</source>
        <translation>O nível desenhado sobre o eixo, um número negativo de dB</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Effective now</source>
        <translation>Aplicar agora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>FFT Quorbel - Opening Parameters</source>
        <translation>FFT Quorbel - Parâmetros iniciais</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Function to be analysed</source>
        <translation>Função a ser analisada</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation>Número de ciclos (por segundo)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salvar</translation>
    </message>
    <message>
        <source>The FFT needs 1024 points (a power of two).</source>
        <translation>A FFT precisa de 1024 pontos (uma potência de dois).</translation>
    </message>
    <message>
        <source>Total number of points</source>
        <translation>Número total de pontos</translation>
    </message>
    <message>
        <source>Use this form if you want to modify the parameters which are used when the program is opened. After introducing the desired modifications, choose one of the buttons below, as you prefer.</source>
        <translation>Use este formulário se quiser modificar os parâmetros usados quando o programa é aberto. Depois de fazer as modificações desejadas, escolha um dos botões abaixo, como preferir.</translation>
    </message>
    <message>
        <source>With another number of points f(t) is drawn but not transformed.</source>
        <translation>Com outro número de pontos, f(t) é traçada mas não transformada.</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>b</source>
        <translation>b</translation>
    </message>
    <message>
        <source>f(t) = a Sin(2πνt + φ)
ν = b × number of cycles</source>
        <translation>f(t) = a Sen(2πνt + φ)
ν = b × número de ciclos</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>FFT Quorbel - Help</source>
        <translation>FFT Quorbel - Ajuda</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Maximum error=</source>
        <translation>Erro máximo=</translation>
    </message>
    <message>
        <source>Maximum relative error=</source>
        <translation>Erro relativo máximo=</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>indefinido</translation>
    </message>
    <message>
        <source>Table of all Points of  both Functions</source>
        <translation>Tabela de todos os pontos das  duas funções</translation>
    </message>
    <message>
        <source>Number of points: </source>
        <translation>Número de pontos: </translation>
    </message>
    <message>
        <source>Points of original function || Points of recovered function</source>
        <translation>Pontos da função original || Pontos da função recuperada</translation>
    </message>
    <message>
        <source>FFT Quorbel - Results of the inverse calculation</source>
        <translation>FFT Quorbel - Resultados do cálculo inverso</translation>
    </message>
    <message>
        <source>Original Function</source>
        <translation>Função original</translation>
    </message>
    <message>
        <source>Recovered Function</source>
        <translation>Função recuperada</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>FFT Quorbel - Report</source>
        <translation>FFT Quorbel - Relatório</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>FFT Quorbel - Files  *.raw</source>
        <translation>FFT Quorbel - Arquivos  *.raw</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Primeiro canal</translation>
    </message>
    <message>
        <source>Frequency of file .raw (modify by typing a new value if necessary):</source>
        <translation>Frequência do arquivo .raw (altere digitando um novo valor, se necessário):</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation>Máximo:</translation>
    </message>
    <message>
        <source>Mean of the channels</source>
        <translation>Média dos canais</translation>
    </message>
    <message>
        <source>Minimum:</source>
        <translation>Mínimo:</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Points in the File:</source>
        <translation>Pontos no arquivo:</translation>
    </message>
    <message>
        <source>Points in the graph:</source>
        <translation>Pontos no gráfico:</translation>
    </message>
    <message>
        <source>Selected points:</source>
        <translation>Pontos selecionados:</translation>
    </message>
    <message>
        <source>Selection:</source>
        <translation>Seleção:</translation>
    </message>
    <message>
        <source>Sound files with several channels: plot and transfer the first channel</source>
        <translation>Arquivos de som com vários canais: traçar e transferir o primeiro canal</translation>
    </message>
    <message>
        <source>Sound files with several channels: plot and transfer the mean of all channels</source>
        <translation>Arquivos de som com vários canais: traçar e transferir a média de todos os canais</translation>
    </message>
    <message>
        <source>The calculation will not produce good results with a number of points below  1024. Select a little bit larger region. </source>
        <translation>O cálculo não dará bons resultados com um número de pontos abaixo de  1024. Selecione uma região um pouco maior. </translation>
    </message>
    <message>
        <source>The frequency of the file must be a number of hertz from 1 to 1000000 (for example 22050). Type it in the box above and transfer again.</source>
        <translation>A frequência do arquivo deve ser um número de hertz de 1 a 1000000 (por exemplo 22050). Digite-a na caixa acima e transfira de novo.</translation>
    </message>
    <message>
        <source>To be transferred:</source>
        <translation>A transferir:</translation>
    </message>
    <message>
        <source>To perform the Fourier Transform calculation, a part of the graph must be selected. Just drag the mouse over the graph (from left to right), with the left button pressed.</source>
        <translation>Para fazer o cálculo da Transformada de Fourier, é preciso selecionar uma parte do gráfico. Basta arrastar o mouse sobre o gráfico (da esquerda para a direita) com o botão esquerdo pressionado.</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Transfer selected points for FFT calculations</source>
        <translation>Transferir os pontos selecionados para os cálculos da FFT</translation>
    </message>
    <message>
        <source>Use the menu &quot;Open&quot; to plot the data of some file *.raw.Then select the part of the graph which will be used to make the Fourier Transform calculation.</source>
        <translation>Use o menu &quot;Abrir&quot; para traçar os dados de um arquivo *.raw. Depois selecione a parte do gráfico que será usada no cálculo da Transformada de Fourier.</translation>
    </message>
    <message>
        <source>From %1 s: samples %2 to %3 of %4</source>
        <translation>A partir de %1 s: amostras %2 a %3 de %4</translation>
    </message>
    <message>
        <source>Samples %1 to %2 of %3</source>
        <translation>Amostras %1 a %2 de %3</translation>
    </message>
    <message>
        <source>The file holds only %1 sample: the calculation needs at least 1024. Open a longer file.</source>
        <translation>O arquivo contém só %1 amostra: o cálculo precisa de pelo menos 1024. Abra um arquivo mais longo.</translation>
    </message>
    <message>
        <source>The file holds only %1 samples: the calculation needs at least 1024. Open a longer file.</source>
        <translation>O arquivo contém só %1 amostras: o cálculo precisa de pelo menos 1024. Abra um arquivo mais longo.</translation>
    </message>
    <message>
        <source>The selection starts at point %1, past the end of the graph&apos;s %2 points. Drag over the graph from left to right, with the left button pressed.</source>
        <translation>A seleção começa no ponto %1, além do fim dos %2 pontos do gráfico. Arraste sobre o gráfico da esquerda para a direita, com o botão esquerdo pressionado.</translation>
    </message>
    <message>
        <source>Spectrogram...</source>
        <translation>Espectrograma...</translation>
    </message>
    <message>
        <source>Which part of the file the graph shows</source>
        <translation>Que parte do arquivo o gráfico mostra</translation>
    </message>
    <message>
        <source>Calculating FFT...</source>
        <translation>Calculando a FFT...</translation>
    </message>
    <message>
        <source>Plotting FFT graph...</source>
        <translation>Traçando o gráfico da FFT...</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Gravando...</translation>
    </message>
    <message>
        <source>Transferring data...</source>
        <translation>Transferindo dados...</translation>
    </message>
    <message>
        <source>Plotting graph of the function...</source>
        <translation>Traçando o gráfico da função...</translation>
    </message>
    <message>
        <source>Length of the recording, seconds (at most 34000 samples at the input&apos;s rate)</source>
        <translation>Duração da gravação, em segundos (no máximo 34000 amostras na taxa da entrada)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Gravar</translation>
    </message>
    <message>
        <source>Record the sound input for the seconds typed beside, and plot it</source>
        <translation>Gravar a entrada de som pelos segundos digitados ao lado e traçá-la</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Graph of the file</source>
        <translation>Gráfico do arquivo</translation>
    </message>
    <message>
        <source>No file opened yet.</source>
        <translation>Nenhum arquivo aberto ainda.</translation>
    </message>
    <message>
        <source>%1: %2 points shown of the file&apos;s %3.</source>
        <translation>%1: %2 pontos mostrados dos %3 do arquivo.</translation>
    </message>
    <message>
        <source>Selected: points %1 to %2, %3 points, %4 to be transferred.</source>
        <translation>Selecionados: pontos %1 a %2, %3 pontos, %4 a transferir.</translation>
    </message>
    <message>
        <source>Nothing selected: press Enter at each end of a stretch.</source>
        <translation>Nada selecionado: pressione Enter em cada extremo de um trecho.</translation>
    </message>
    <message>
        <source>Keyboard cursor at point %1.</source>
        <translation>Cursor do teclado no ponto %1.</translation>
    </message>
    <message>
        <source>The selection starts at point %1: press Enter at its other end, or Escape to cancel.</source>
        <translation>A seleção começa no ponto %1: pressione Enter no outro extremo, ou Esc para cancelar.</translation>
    </message>
    <message>
        <source>(recording)</source>
        <translation>(gravação)</translation>
    </message>
    <message>
        <source>The recording has one channel.</source>
        <translation>A gravação tem um canal.</translation>
    </message>
    <message>
        <source>The file has one channel.</source>
        <translation>O arquivo tem um canal.</translation>
    </message>
    <message>
        <source>The file has %1 channels: the first is analysed.</source>
        <translation>O arquivo tem %1 canais: o primeiro é analisado.</translation>
    </message>
    <message>
        <source>The file has %1 channels: their mean is analysed.</source>
        <translation>O arquivo tem %1 canais: a média deles é analisada.</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Example</source>
        <translation>Exemplo</translation>
    </message>
    <message>
        <source>FFT Quorbel - Help</source>
        <translation>FFT Quorbel - Ajuda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restaurar</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>FFT Quorbel - Bitmap creating</source>
        <translation>FFT Quorbel - Criação de bitmap</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Arquivo</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Salvar imagem</translation>
    </message>
</context>
<context>
    <name>FormLessons</name>
    <message>
        <source>Student view</source>
        <translation>Visão do aluno</translation>
    </message>
    <message>
        <source>Teacher preview</source>
        <translation>Prévia do professor</translation>
    </message>
    <message>
        <source>A lesson folder of your own, or its lesson.txt</source>
        <translation>Uma pasta de lição sua, ou o seu lesson.txt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Verificar</translation>
    </message>
    <message>
        <source>Copy window state as lesson lines</source>
        <translation>Copiar estado como lição</translation>
    </message>
    <message>
        <source>FFT Quorbel - Lessons</source>
        <translation>FFT Quorbel - Lições</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lições</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Open a lesson...</source>
        <translation>Abrir uma lição...</translation>
    </message>
    <message>
        <source>Put the main window back as this step set it</source>
        <translation>Devolver a janela principal ao estado que este passo definiu</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Restore this step</source>
        <translation>Restaurar este passo</translation>
    </message>
    <message>
        <source>Show the answers and every step</source>
        <translation>Mostrar as respostas e todos os passos</translation>
    </message>
    <message>
        <source>Start this lesson again from its first step</source>
        <translation>Começar esta lição de novo pelo primeiro passo</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Passos</translation>
    </message>
    <message>
        <source>The main window&apos;s settings, as the lines of a lesson&apos;s step</source>
        <translation>As configurações da janela principal, como as linhas de um passo de lição</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>A sua resposta</translation>
    </message>
    <message>
        <source>Lesson (lesson.txt)</source>
        <translation>Lição (lesson.txt)</translation>
    </message>
    <message>
        <source>The main window&apos;s state is on the clipboard:</source>
        <translation>O estado da janela principal está na área de transferência:</translation>
    </message>
    <message>
        <source>predict</source>
        <translation>prever</translation>
    </message>
    <message>
        <source>observe</source>
        <translation>observar</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>sua vez</translation>
    </message>
    <message>
        <source>question</source>
        <translation>pergunta</translation>
    </message>
    <message>
        <source>%1 (broken: %2)</source>
        <translation>%1 (com defeito: %2)</translation>
    </message>
    <message>
        <source>Choose a lesson in the list.</source>
        <translation>Escolha uma lição na lista.</translation>
    </message>
    <message>
        <source>(about %1 minutes)</source>
        <translation>(cerca de %1 minutos)</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumo</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Passo %1 de %2: %3</translation>
    </message>
    <message>
        <source>Look at: %1</source>
        <translation>Observe: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Resposta: %1</translation>
    </message>
    <message>
        <source>Done: press Next.</source>
        <translation>Pronto: pressione Avançar.</translation>
    </message>
    <message>
        <source>Still to set:</source>
        <translation>Ainda falta ajustar:</translation>
    </message>
</context>
<context>
    <name>FormNmr</name>
    <message>
        <source>Open an experiment or press &quot;Simulate&quot; for a FID made from lines.</source>
        <translation>Abra um experimento ou pressione &quot;Simular&quot; para um FID feito de linhas.</translation>
    </message>
    <message>
        <source>Pivot: %1 ppm</source>
        <translation>Pivô: %1 ppm</translation>
    </message>
    <message>
        <source>%1: %2 complex points at %3 Hz (SW), SF %4 MHz, SI %5.</source>
        <translation>%1: %2 pontos complexos a %3 Hz (SW), SF %4 MHz, SI %5.</translation>
    </message>
    <message>
        <source>The first %1 points are near zero: the digital filter delays the signal, removed as a linear phase.</source>
        <translation>Os primeiros %1 pontos são quase zero: o filtro digital atrasa o sinal, o que se remove como uma fase linear.</translation>
    </message>
    <message>
        <source>δ %1 ppm, %2 Hz, intensity %3</source>
        <translation>δ %1 ppm, %2 Hz, intensidade %3</translation>
    </message>
    <message>
        <source>Cursors %1 and %2 ppm: Δδ %3 ppm, Δν %4 Hz</source>
        <translation>Cursores %1 e %2 ppm: Δδ %3 ppm, Δν %4 Hz</translation>
    </message>
    <message>
        <source>Peak at %1 ppm: width at half height %2 Hz</source>
        <translation>Pico em %1 ppm: largura à meia altura %2 Hz</translation>
    </message>
    <message>
        <source>S/N %1</source>
        <translation>S/R %1</translation>
    </message>
    <message>
        <source>Spectrum</source>
        <translation>Espectro</translation>
    </message>
    <message>
        <source>From %1 to %2 ppm; %3 peaks; strongest at %4</source>
        <translation>De %1 a %2 ppm; %3 picos; o mais forte em %4</translation>
    </message>
    <message>
        <source>FID</source>
        <translation>FID</translation>
    </message>
    <message>
        <source>Apply the parameters typed</source>
        <translation>Aplicar os parâmetros digitados</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automática</translation>
    </message>
    <message>
        <source>CHCl₃ 7.26</source>
        <translation>CHCl₃ 7,26</translation>
    </message>
    <message>
        <source>CSV...</source>
        <translation>CSV...</translation>
    </message>
    <message>
        <source>Clear marks</source>
        <translation>Limpar marcas</translation>
    </message>
    <message>
        <source>Click a peak to give it the reference value</source>
        <translation>Clique em um pico para lhe dar o valor de referência</translation>
    </message>
    <message>
        <source>Click two peaks: their distance in ppm and in hertz</source>
        <translation>Clique em dois picos: a distância entre eles em ppm e em hertz</translation>
    </message>
    <message>
        <source>Click where the first-order phase turns about</source>
        <translation>Clique onde a fase de primeira ordem gira</translation>
    </message>
    <message>
        <source>Cursors</source>
        <translation>Cursores</translation>
    </message>
    <message>
        <source>DMSO 2.50</source>
        <translation>DMSO 2,50</translation>
    </message>
    <message>
        <source>Drag across a multiplet to integrate it</source>
        <translation>Arraste sobre um multipleto para integrá-lo</translation>
    </message>
    <message>
        <source>Drag across a part to expand it</source>
        <translation>Arraste sobre uma parte para ampliá-la</translation>
    </message>
    <message>
        <source>Drag across a part with no signal</source>
        <translation>Arraste sobre uma parte sem sinal</translation>
    </message>
    <message>
        <source>Each region: its ppm range and its hydrogens</source>
        <translation>Cada região: sua faixa em ppm e seus hidrogênios</translation>
    </message>
    <message>
        <source>Expand</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Exponential</source>
        <translation>Exponencial</translation>
    </message>
    <message>
        <source>FFT Quorbel - NMR</source>
        <translation>FFT Quorbel - RMN</translation>
    </message>
    <message>
        <source>First-order phase over the whole spectrum, degrees</source>
        <translation>Fase de primeira ordem sobre todo o espectro, graus</translation>
    </message>
    <message>
        <source>Flat baseline</source>
        <translation>Linha de base plana</translation>
    </message>
    <message>
        <source>GB:</source>
        <translation>GB:</translation>
    </message>
    <message>
        <source>Gaussian</source>
        <translation>Gaussiana</translation>
    </message>
    <message>
        <source>Gaussian maximum as a fraction (0 to 1) of the FID</source>
        <translation>Máximo da gaussiana como fração (0 a 1) do FID</translation>
    </message>
    <message>
        <source>Hydrogens of the first region: the others follow</source>
        <translation>Hidrogênios da primeira região: as outras acompanham</translation>
    </message>
    <message>
        <source>Integrals</source>
        <translation>Integrais</translation>
    </message>
    <message>
        <source>Integrate</source>
        <translation>Integrar</translation>
    </message>
    <message>
        <source>Integrate above a polynomial fitted outside the regions</source>
        <translation>Integrar acima de um polinômio ajustado fora das regiões</translation>
    </message>
    <message>
        <source>Integrate from zero</source>
        <translation>Integrar a partir de zero</translation>
    </message>
    <message>
        <source>LB (Hz):</source>
        <translation>LB (Hz):</translation>
    </message>
    <message>
        <source>Let the program find the phases that make every line absorptive</source>
        <translation>Deixar o programa encontrar as fases que tornam todas as linhas absortivas</translation>
    </message>
    <message>
        <source>Line broadening in hertz</source>
        <translation>Alargamento de linha em hertz</translation>
    </message>
    <message>
        <source>Mouse on the spectrum</source>
        <translation>Mouse no espectro</translation>
    </message>
    <message>
        <source>No apodization: the FID as acquired</source>
        <translation>Sem apodização: o FID como adquirido</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruído</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Open an experiment folder&apos;s fid or acqus file, or a JCAMP-DX file</source>
        <translation>Abrir o arquivo fid ou acqus da pasta de um experimento, ou um arquivo JCAMP-DX</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>Abrir...</translation>
    </message>
    <message>
        <source>PHC0 (°):</source>
        <translation>PHC0 (°):</translation>
    </message>
    <message>
        <source>PHC1 (°):</source>
        <translation>PHC1 (°):</translation>
    </message>
    <message>
        <source>Peak clicked is (ppm):</source>
        <translation>O pico clicado é (ppm):</translation>
    </message>
    <message>
        <source>Peaks: ppm, Hz, height</source>
        <translation>Picos: ppm, Hz, altura</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Imagem...</translation>
    </message>
    <message>
        <source>Pivot</source>
        <translation>Pivô</translation>
    </message>
    <message>
        <source>Points (SI):</source>
        <translation>Pontos (SI):</translation>
    </message>
    <message>
        <source>Polynomial baseline</source>
        <translation>Linha de base polinomial</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Processar</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processamento</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referência</translation>
    </message>
    <message>
        <source>Reference value: tetramethylsilane, 0 ppm</source>
        <translation>Valor de referência: tetrametilsilano, 0 ppm</translation>
    </message>
    <message>
        <source>Reference value: the DMSO left in DMSO-d₆, 2.50 ppm</source>
        <translation>Valor de referência: o DMSO residual no DMSO-d₆, 2,50 ppm</translation>
    </message>
    <message>
        <source>Reference value: the chloroform left in CDCl₃, 7.26 ppm</source>
        <translation>Valor de referência: o clorofórmio residual no CDCl₃, 7,26 ppm</translation>
    </message>
    <message>
        <source>Region 1 is (H):</source>
        <translation>A região 1 é (H):</translation>
    </message>
    <message>
        <source>Remove the integrals, the noise region and the cursors</source>
        <translation>Remover as integrais, a região de ruído e os cursores</translation>
    </message>
    <message>
        <source>Save the spectrum as CSV: ppm, real, imaginary</source>
        <translation>Salvar o espectro como CSV: ppm, real, imaginária</translation>
    </message>
    <message>
        <source>Save the spectrum as shown: PNG, SVG or PDF</source>
        <translation>Salvar o espectro como mostrado: PNG, SVG ou PDF</translation>
    </message>
    <message>
        <source>Show the whole spectrum again</source>
        <translation>Mostrar de novo o espectro inteiro</translation>
    </message>
    <message>
        <source>Simulate</source>
        <translation>Simular</translation>
    </message>
    <message>
        <source>TMS 0</source>
        <translation>TMS 0</translation>
    </message>
    <message>
        <source>The peaks of the spectrum, strongest first</source>
        <translation>Os picos do espectro, os mais fortes primeiro</translation>
    </message>
    <message>
        <source>The value a peak clicked in Reference mode gets</source>
        <translation>O valor que recebe um pico clicado no modo Referência</translation>
    </message>
    <message>
        <source>Turn the first-order phase about the pivot: the pivot&apos;s phase stays put</source>
        <translation>Girar a fase de primeira ordem em torno do pivô: a fase do pivô não muda</translation>
    </message>
    <message>
        <source>Turn the zero-order phase</source>
        <translation>Girar a fase de ordem zero</translation>
    </message>
    <message>
        <source>Whole spectrum</source>
        <translation>Espectro inteiro</translation>
    </message>
    <message>
        <source>Zero filling: complex points of the spectrum, a power of two</source>
        <translation>Preenchimento com zeros: pontos complexos do espectro, uma potência de dois</translation>
    </message>
    <message>
        <source>Zero-order phase, degrees</source>
        <translation>Fase de ordem zero, graus</translation>
    </message>
    <message>
        <source>exp(-a·t - b·t²) with LB negative and GB the fraction of the acquisition time where it peaks: narrower lines</source>
        <translation>exp(-a·t - b·t²) com LB negativo e GB a fração do tempo de aquisição onde ela é máxima: linhas mais estreitas</translation>
    </message>
    <message>
        <source>exp(-π·LB·t): broader lines, less noise (LB in Hz)</source>
        <translation>exp(-π·LB·t): linhas mais largas, menos ruído (LB em Hz)</translation>
    </message>
    <message>
        <source>δ (ppm)</source>
        <translation>δ (ppm)</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitude</translation>
    </message>
    <message>
        <source>T2 (s)</source>
        <translation>T2 (s)</translation>
    </message>
    <message>
        <source>Line width (Hz)</source>
        <translation>Largura da linha (Hz)</translation>
    </message>
    <message>
        <source>J (Hz)</source>
        <translation>J (Hz)</translation>
    </message>
    <message>
        <source>%1 ppm, amplitude %2</source>
        <translation>%1 ppm, amplitude %2</translation>
    </message>
    <message>
        <source>T2 %1 s</source>
        <translation>T2 %1 s</translation>
    </message>
    <message>
        <source>%1 Hz wide</source>
        <translation>%1 Hz de largura</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 linhas</translation>
    </message>
    <message>
        <source>J %1 Hz</source>
        <translation>J %1 Hz</translation>
    </message>
    <message>
        <source>SW (Hz)</source>
        <translation>SW (Hz)</translation>
    </message>
    <message>
        <source>T2 = 1/(π·width) = %1 s</source>
        <translation>T2 = 1/(π·largura) = %1 s</translation>
    </message>
    <message>
        <source>%1 MHz, carrier at %2 ppm: the spectrum spans %3 to %4 ppm.</source>
        <translation>%1 MHz, portadora em %2 ppm: o espectro vai de %3 a %4 ppm.</translation>
    </message>
    <message>
        <source>simulated from the list of lines, noise %1</source>
        <translation>simulado a partir da lista de linhas, ruído %1</translation>
    </message>
    <message>
        <source>A FID made from the lines in the list, with noise, to see what each step does</source>
        <translation>Um FID feito das linhas da lista, com ruído, para ver o que cada passo faz</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Add the line typed to the list</source>
        <translation>Adicionar à lista a linha digitada</translation>
    </message>
    <message>
        <source>Amplitude:</source>
        <translation>Amplitude:</translation>
    </message>
    <message>
        <source>Chemical shift of the line, or of the multiplet&apos;s centre</source>
        <translation>Deslocamento químico da linha, ou do centro do multipleto</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Complex points acquired: fewer points, a shorter acquisition time</source>
        <translation>Pontos complexos adquiridos: menos pontos, um tempo de aquisição mais curto</translation>
    </message>
    <message>
        <source>Coupling constant: the distance between the lines</source>
        <translation>Constante de acoplamento: a distância entre as linhas</translation>
    </message>
    <message>
        <source>Ethanol</source>
        <translation>Etanol</translation>
    </message>
    <message>
        <source>Height of the FID&apos;s start: the multiplet&apos;s lines share it</source>
        <translation>Altura do início do FID: as linhas do multipleto a repartem</translation>
    </message>
    <message>
        <source>J (Hz):</source>
        <translation>J (Hz):</translation>
    </message>
    <message>
        <source>Line width:</source>
        <translation>Largura da linha:</translation>
    </message>
    <message>
        <source>Multiplet (s, d, t, q…):</source>
        <translation>Multipleto (s, d, t, q…):</translation>
    </message>
    <message>
        <source>Noise level:</source>
        <translation>Nível de ruído:</translation>
    </message>
    <message>
        <source>Noise level</source>
        <translation>Nível de ruído</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Pontos:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove every line</source>
        <translation>Remover todas as linhas</translation>
    </message>
    <message>
        <source>Remove the line chosen in the list, or the last one</source>
        <translation>Remover a linha escolhida na lista, ou a última</translation>
    </message>
    <message>
        <source>SW (Hz):</source>
        <translation>SW (Hz):</translation>
    </message>
    <message>
        <source>Simulated lines</source>
        <translation>Linhas simuladas</translation>
    </message>
    <message>
        <source>Spectral width: the sampling rate of the FID, hertz</source>
        <translation>Largura espectral: a taxa de amostragem do FID, em hertz</translation>
    </message>
    <message>
        <source>Standard deviation of the noise of each FID point</source>
        <translation>Desvio padrão do ruído de cada ponto do FID</translation>
    </message>
    <message>
        <source>The decay time T2, seconds: the width is 1/(π·T2)</source>
        <translation>O tempo de decaimento T2, em segundos: a largura é 1/(π·T2)</translation>
    </message>
    <message>
        <source>The example&apos;s lines again: ethanol in CDCl₃ with TMS</source>
        <translation>As linhas do exemplo de novo: etanol em CDCl₃ com TMS</translation>
    </message>
    <message>
        <source>The lines simulated; choose one to see it in the boxes</source>
        <translation>As linhas simuladas; escolha uma para vê-la nas caixas</translation>
    </message>
    <message>
        <source>The width at half height, hertz</source>
        <translation>A largura à meia altura, em hertz</translation>
    </message>
    <message>
        <source>Width at half height in Hz, or the decay time T2 in s</source>
        <translation>Largura à meia altura em Hz, ou o tempo de decaimento T2 em s</translation>
    </message>
    <message>
        <source>as T2 (s)</source>
        <translation>como T2 (s)</translation>
    </message>
    <message>
        <source>in Hz (FWHM)</source>
        <translation>em Hz (FWHM)</translation>
    </message>
    <message>
        <source>s, d, t, q, quint, sext, sept, or the number of lines: n equivalent neighbours give n + 1 lines</source>
        <translation>s, d, t, q, quint, sext, sept, ou o número de linhas: n vizinhos equivalentes dão n + 1 linhas</translation>
    </message>
    <message>
        <source>δ (ppm):</source>
        <translation>δ (ppm):</translation>
    </message>
</context>
<context>
    <name>FormSpectrogram</name>
    <message>
        <source> - analysing...</source>
        <translation> - analisando...</translation>
    </message>
    <message>
        <source>%1: %2 Hz, %3 s, frames of %4 every %5 points</source>
        <translation>%1: %2 Hz, %3 s, quadros de %4 a cada %5 pontos</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analisar</translation>
    </message>
    <message>
        <source>Analyse the file again with the frame and hop typed</source>
        <translation>Analisar o arquivo de novo com o quadro e o passo digitados</translation>
    </message>
    <message>
        <source>Export PNG</source>
        <translation>Exportar PNG</translation>
    </message>
    <message>
        <source>FFT Quorbel - Spectrogram</source>
        <translation>FFT Quorbel - Espectrograma</translation>
    </message>
    <message>
        <source>Frame (points):</source>
        <translation>Quadro (pontos):</translation>
    </message>
    <message>
        <source>Frequency upward in octaves, beside a piano keyboard</source>
        <translation>Frequência para cima em oitavas, ao lado de um teclado de piano</translation>
    </message>
    <message>
        <source>Frequency upward on a scale of hertz, from 0 to half the sampling rate</source>
        <translation>Frequência para cima numa escala de hertz, de 0 à metade da taxa de amostragem</translation>
    </message>
    <message>
        <source>Hop (points):</source>
        <translation>Passo (pontos):</translation>
    </message>
    <message>
        <source>Linear frequency</source>
        <translation>Frequência linear</translation>
    </message>
    <message>
        <source>Musical (keyboard)</source>
        <translation>Musical (teclado)</translation>
    </message>
    <message>
        <source>Points from the start of one frame to the start of the next: 1 to the frame</source>
        <translation>Pontos do início de um quadro ao início do seguinte: de 1 ao quadro</translation>
    </message>
    <message>
        <source>Points of each transformed frame: a power of two from 256 to 16384</source>
        <translation>Pontos de cada quadro transformado: uma potência de dois de 256 a 16384</translation>
    </message>
    <message>
        <source>Save the picture as shown as a PNG image</source>
        <translation>Salvar a imagem, como mostrada, em PNG</translation>
    </message>
    <message>
        <source>Show the whole sound again after a zoom into a stretch of it (Escape)</source>
        <translation>Mostrar de novo o som inteiro depois de ampliar um trecho dele (Escape)</translation>
    </message>
    <message>
        <source>Whole sound</source>
        <translation>Som inteiro</translation>
    </message>
</context>
<context>
    <name>FormTopics</name>
    <message>
        <source>Exports and worksheets</source>
        <translation>Exportações e impressão</translation>
    </message>
    <message>
        <source>FFT Quorbel - Help</source>
        <translation>FFT Quorbel - Ajuda</translation>
    </message>
    <message>
        <source>Harmonic markers</source>
        <translation>Marcadores de harmônicos</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Sound files and recording</source>
        <translation>Arquivos e gravação</translation>
    </message>
    <message>
        <source>Sound menu</source>
        <translation>Menu Som</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Windows and aliasing</source>
        <translation>Janelas e aliasing</translation>
    </message>
</context>
<context>
    <name>Graphs</name>
    <message>
        <source>frequency, (Hz)</source>
        <translation>frequência, (Hz)</translation>
    </message>
    <message>
        <source>Fourier Transform, F</source>
        <translation>Transformada de Fourier, F</translation>
    </message>
    <message>
        <source>Graph of Fourier Transform F(</source>
        <translation>Gráfico da Transformada de Fourier F(</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frequência (Hz)</translation>
    </message>
    <message>
        <source>FFT-Imaginary Part</source>
        <translation>FFT-Parte imaginária</translation>
    </message>
    <message>
        <source>FFT-Real Part</source>
        <translation>FFT-Parte real</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tempo (s)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source> an integer value (up to 52 Hz), the &lt;i&gt;Report&lt;/i&gt; will always show correct</source>
        <translation> um valor inteiro (até 52 Hz), o &lt;i&gt;Relatório&lt;/i&gt; sempre mostrará valores</translation>
    </message>
    <message>
        <source>(or &lt;i&gt;aliased&lt;/i&gt;) into the range, thus producing results that can be hard to understand.</source>
        <translation>(ou sofrerá &lt;i&gt;aliasing&lt;/i&gt;) para dentro da faixa, produzindo resultados difíceis de entender.</translation>
    </message>
    <message>
        <source>Nyquist Frequency</source>
        <translation>Frequência de Nyquist</translation>
    </message>
    <message>
        <source>One should consider that the program uses, for this calculation,</source>
        <translation>Deve-se considerar que o programa usa, neste cálculo,</translation>
    </message>
    <message>
        <source>Phase (Report)</source>
        <translation>Fase (Relatório)</translation>
    </message>
    <message>
        <source>The &lt;i&gt;phase&lt;/i&gt; value shown in the &lt;i&gt;Report&lt;/i&gt; (which is produced under</source>
        <translation>O valor da &lt;i&gt;fase&lt;/i&gt; mostrado no &lt;i&gt;Relatório&lt;/i&gt; (produzido a pedido</translation>
    </message>
    <message>
        <source>The product of the &lt;i&gt;number of cycles&lt;/i&gt; by the constant &lt;i&gt;b&lt;/i&gt;</source>
        <translation>O produto do &lt;i&gt;número de ciclos&lt;/i&gt; pela constante &lt;i&gt;b&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Thus, the values of the real part and of the imaginary part which are used in the</source>
        <translation>Assim, os valores da parte real e da parte imaginária que são usados no</translation>
    </message>
    <message>
        <source>Transform will produce only integer values for the frequencies, as each point of</source>
        <translation>de Fourier só produzirá valores inteiros para as frequências, pois cada ponto da</translation>
    </message>
    <message>
        <source>Try, for instance, the values 0, 1, 2, 3, 4, 5, 6 in the &lt;g&gt;f&lt;/g&gt;</source>
        <translation>Experimente, por exemplo, os valores 0, 1, 2, 3, 4, 5, 6 na coluna &lt;g&gt;f&lt;/g&gt;,</translation>
    </message>
    <message>
        <source>be very close to the correct values) while others will be fractions, and the</source>
        <translation>muito próximos dos valores corretos), enquanto outras serão frações, e os</translation>
    </message>
    <message>
        <source>calculation of the phase belong to an &lt;i&gt;integer frequency&lt;/i&gt;, and not to the correct </source>
        <translation>cálculo da fase pertencem a uma &lt;i&gt;frequência inteira&lt;/i&gt;, e não à frequência </translation>
    </message>
    <message>
        <source>column, using the same values of &lt;i&gt;a&lt;/i&gt; and &lt;i&gt;b&lt;/i&gt; which are shown when the program is</source>
        <translation>usando os mesmos valores de &lt;i&gt;a&lt;/i&gt; e &lt;i&gt;b&lt;/i&gt; que aparecem quando o programa é</translation>
    </message>
    <message>
        <source>correct. Try also the &lt;i&gt;number of cycles&lt;/i&gt;30.5: with this value, some of the</source>
        <translation>corretos. Experimente também o &lt;i&gt;número de ciclos&lt;/i&gt; 30.5: com esse valor, algumas das</translation>
    </message>
    <message>
        <source>corresponding values of phases will not be correct.</source>
        <translation>valores de fase correspondentes não serão corretos.</translation>
    </message>
    <message>
        <source>found by the Fourier Transform, which can be an inexact value depending on</source>
        <translation>encontrada pela Transformada de Fourier, que pode ser um valor inexato dependendo</translation>
    </message>
    <message>
        <source>fraction, some or all the frequencies can also be fractions; however, the Fourier</source>
        <translation>fração, algumas ou todas as frequências também podem ser frações; porém, a Transformada</translation>
    </message>
    <message>
        <source>frequencies will be integer values (and the corresponding values of phases will</source>
        <translation>frequências serão valores inteiros (e os valores de fase correspondentes ficarão</translation>
    </message>
    <message>
        <source>frequency, which is a fraction (and thus does not belong to the calculated</source>
        <translation>correta, que é uma fração (e portanto não pertence aos pontos</translation>
    </message>
    <message>
        <source>if the value of the &quot;number of cycles&quot; (or some value of the &quot;b&quot; column) is a</source>
        <translation>se o valor do &quot;número de ciclos&quot; (ou algum valor da coluna &quot;b&quot;) for uma</translation>
    </message>
    <message>
        <source>number of 1024 points), otherwise the range determined by the Nyquist critical frequency</source>
        <translation>de 1024 pontos); caso contrário, a faixa determinada pela frequência crítica de Nyquist</translation>
    </message>
    <message>
        <source>of phase shown has nothing to do with the actual value.</source>
        <translation>de fase mostrado não tem nada a ver com o valor real.</translation>
    </message>
    <message>
        <source>opened (or just click the &quot;Example&quot; button on your left). Using as &lt;i&gt;number of cycles&lt;/i&gt;</source>
        <translation>aberto (ou clique no botão &quot;Exemplo&quot; à esquerda). Usando como &lt;i&gt;número de ciclos&lt;/i&gt;</translation>
    </message>
    <message>
        <source>per cycle are collected). The result is that this frequency, out of the range, will be reflected</source>
        <translation>por ciclo são coletados). Como resultado, essa frequência, fora da faixa, será refletida</translation>
    </message>
    <message>
        <source>points). The result, obviously, will not be correct.</source>
        <translation>calculados). O resultado, obviamente, não será correto.</translation>
    </message>
    <message>
        <source>request through the menu &quot;File&quot;) is calculated on the assumption that the &lt;i&gt;exact&lt;/i&gt;</source>
        <translation>pelo menu &quot;Arquivo&quot;) é calculado supondo que o valor &lt;i&gt;exato&lt;/i&gt;</translation>
    </message>
    <message>
        <source>should not be larger than 512 for any frequency in this program (which uses a fixed total</source>
        <translation>não deve passar de 512 para nenhuma frequência neste programa (que usa um total fixo</translation>
    </message>
    <message>
        <source>the Transform corresponds to 1 Hz, because the window width is 1 second.</source>
        <translation>Transformada corresponde a 1 Hz, porque a largura da janela é de 1 segundo.</translation>
    </message>
    <message>
        <source>the size of the window, etc. For instance, in the case of &quot;Multiple Frequencies&quot;,</source>
        <translation>do tamanho da janela etc. Por exemplo, no caso de &quot;Frequências Múltiplas&quot;,</translation>
    </message>
    <message>
        <source>the values of the real part and of the imaginary part of a &lt;i&gt;certain frequency&lt;/i&gt;</source>
        <translation>os valores da parte real e da parte imaginária de uma &lt;i&gt;certa frequência&lt;/i&gt;</translation>
    </message>
    <message>
        <source>value of the corresponding frequency is known. If this is not the case, the value</source>
        <translation>da frequência correspondente é conhecido. Se não for esse o caso, o valor</translation>
    </message>
    <message>
        <source>values for the phases, while when using fraction values the results will not be</source>
        <translation>corretos para as fases, enquanto com valores fracionários os resultados não serão</translation>
    </message>
    <message>
        <source>will be exceeded (this means that there will be a frequency for which &lt;i&gt;less&lt;/i&gt; than two points</source>
        <translation>será ultrapassada (isto é, haverá uma frequência para a qual &lt;i&gt;menos&lt;/i&gt; de dois pontos</translation>
    </message>
    <message>
        <source>A window (menu &quot;Window&quot;) lowers all peaks by about the same factor. The &lt;i&gt;Report&lt;/i&gt; gives amplitudes</source>
        <translation>Uma janela (menu &quot;Janela&quot;) reduz todos os picos por quase o mesmo fator. O &lt;i&gt;Relatório&lt;/i&gt; dá amplitudes</translation>
    </message>
    <message>
        <source>in percent of the largest, so they need no correction. A flat top reads amplitudes truly, as its</source>
        <translation>em porcentagem da maior, que dispensam correção. A janela flat top lê amplitudes fielmente, pois seu</translation>
    </message>
    <message>
        <source>peak is flat; the rectangular window has the narrowest peak, so it separates close tones best.</source>
        <translation>pico é plano; a retangular tem o pico mais estreito e por isso separa melhor tons próximos.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Export PNG&lt;/i&gt; saves the picture as shown; with &lt;i&gt;for a worksheet&lt;/i&gt; checked in the menu &lt;i&gt;Export&lt;/i&gt; it gets axes, the legend and a title.</source>
        <translation>&lt;i&gt;Exportar PNG&lt;/i&gt; salva a imagem como mostrada; com &lt;i&gt;para uma folha de exercícios&lt;/i&gt; marcado no menu &lt;i&gt;Exportar&lt;/i&gt; ela ganha eixos, a legenda e um título.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Fix&lt;/i&gt; leaves the marks where they are, as lines over the graph&apos;s height, while the mouse moves on; &lt;i&gt;Move&lt;/i&gt; lets them follow again; &lt;i&gt;Cancel&lt;/i&gt; takes them away. Starting a horizontal expansion takes them away too.</source>
        <translation>&lt;i&gt;Fixar&lt;/i&gt; deixa as marcas onde estão, como linhas na altura do gráfico, enquanto o mouse segue; &lt;i&gt;Mover&lt;/i&gt; faz com que voltem a segui-lo; &lt;i&gt;Cancelar&lt;/i&gt; as retira. Iniciar uma expansão horizontal também as retira.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Hann&lt;/i&gt;, &lt;i&gt;Hamming&lt;/i&gt; and &lt;i&gt;Blackman&lt;/i&gt; widen the peaks a little and lower that leakage a great deal: small side peaks that vanish with them were leakage, not signals. &lt;i&gt;Flat top&lt;/i&gt; has the widest peak, but reads the amplitude of a tone truly even between two bins.</source>
        <translation>&lt;i&gt;Hann&lt;/i&gt;, &lt;i&gt;Hamming&lt;/i&gt; e &lt;i&gt;Blackman&lt;/i&gt; alargam um pouco os picos e reduzem muito esse vazamento: pequenos picos laterais que somem com elas eram vazamento, não sinais. &lt;i&gt;Flat top&lt;/i&gt; tem o pico mais largo, mas lê fielmente a amplitude de um tom mesmo entre dois pontos.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Linear frequency&lt;/i&gt; shows 0 Hz to half the sampling rate, &lt;i&gt;Musical (keyboard)&lt;/i&gt; octaves beside a piano keyboard. Under the pointer the window reads the time, the frequency with its nearest note, and the level.</source>
        <translation>&lt;i&gt;Frequência linear&lt;/i&gt; mostra de 0 Hz até a metade da taxa de amostragem, &lt;i&gt;Musical (teclado)&lt;/i&gt; oitavas ao lado de um teclado de piano. Sob o ponteiro a janela lê o tempo, a frequência com sua nota mais próxima e o nível.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Listen&lt;/i&gt; turns the main window into a live analyser: about 25 times a second it transforms the latest samples of the sound input (as many as chosen under &lt;i&gt;Samples analysed&lt;/i&gt;) and draws them on the FFT graph or the musical graph, with the strongest peak&apos;s frequency and note. &lt;i&gt;Stop listening&lt;/i&gt; keeps the last spectrum as data from a file, for the report, the inverse and printing.</source>
        <translation>&lt;i&gt;Ouvir&lt;/i&gt; transforma a janela principal num analisador ao vivo: cerca de 25 vezes por segundo transforma as últimas amostras da entrada de som (tantas quanto escolhidas em &lt;i&gt;Amostras analisadas&lt;/i&gt;) e as desenha no gráfico da FFT ou no gráfico musical, com a frequência e a nota do pico mais forte. &lt;i&gt;Parar de ouvir&lt;/i&gt; mantém o último espectro como dados de arquivo, para o relatório, a inversa e a impressão.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Play f(t)&lt;/i&gt; plays the function analysed. A calculated wave sounds for the time checked under &lt;i&gt;Sound length&lt;/i&gt; (1, 2 or 5 seconds), each row of the table at b times the cycles per second; data from a file plays the samples transferred, at the file&apos;s sampling frequency.</source>
        <translation>&lt;i&gt;Tocar f(t)&lt;/i&gt; toca a função analisada. Uma onda calculada soa pelo tempo marcado em &lt;i&gt;Duração do som&lt;/i&gt; (1, 2 ou 5 segundos), cada linha da tabela a b vezes os ciclos por segundo; dados de um arquivo tocam as amostras transferidas, na frequência de amostragem do arquivo.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Play recovered function&lt;/i&gt; (after &lt;i&gt;Inverse&lt;/i&gt;) plays what the inverse transform gives back. &lt;i&gt;Save f(t) as sound...&lt;/i&gt; writes the sound of &lt;i&gt;Play f(t)&lt;/i&gt; as a WAV file.</source>
        <translation>&lt;i&gt;Tocar a função recuperada&lt;/i&gt; (depois de &lt;i&gt;Inversa&lt;/i&gt;) toca o que a transformada inversa devolve. &lt;i&gt;Salvar f(t) como som...&lt;/i&gt; grava o som de &lt;i&gt;Tocar f(t)&lt;/i&gt; como arquivo WAV.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Print FFT graph&lt;/i&gt; prints the graph with the report on one page; without a printer it asks for a PDF file to write. &lt;i&gt;Report&lt;/i&gt; shows the report in a window.</source>
        <translation>&lt;i&gt;Imprimir gráfico da FFT&lt;/i&gt; imprime o gráfico com o relatório numa página; sem impressora pede um arquivo PDF para gravar. &lt;i&gt;Relatório&lt;/i&gt; mostra o relatório numa janela.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Record&lt;/i&gt; records the sound input for the seconds typed beside it and shows the recording as an opened file, ready to select and transfer. Without a sound input it is disabled and its tooltip says why.</source>
        <translation>&lt;i&gt;Gravar&lt;/i&gt; grava a entrada de som pelos segundos digitados ao lado e mostra a gravação como um arquivo aberto, pronta para selecionar e transferir. Sem entrada de som fica desativado e sua dica diz por quê.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Spectrogram...&lt;/i&gt; in the menu of the raw file window shows the whole file that is open: time across, frequency upward, and the level of each moment and frequency in colour, from dark (-120 dB) to yellow (0 dB, a sine of full amplitude). The legend is on the right.</source>
        <translation>&lt;i&gt;Espectrograma...&lt;/i&gt; no menu da janela de arquivos mostra o arquivo aberto inteiro: o tempo na horizontal, a frequência para cima, e o nível de cada instante e frequência em cor, do escuro (-120 dB) ao amarelo (0 dB, um seno de amplitude máxima). A legenda fica à direita.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Spectrogram...&lt;/i&gt; in this window&apos;s menu shows the whole file over time (see the topic Spectrogram).</source>
        <translation>&lt;i&gt;Espectrograma...&lt;/i&gt; no menu desta janela mostra o arquivo inteiro ao longo do tempo (veja o tópico Espectrograma).</translation>
    </message>
    <message>
        <source>&lt;i&gt;Transfer&lt;/i&gt; hands those samples to the main window, which draws them as f(t) beside their spectrum; the file window is then minimised.</source>
        <translation>&lt;i&gt;Transferir&lt;/i&gt; entrega essas amostras à janela principal, que as desenha como f(t) ao lado do seu espectro; a janela do arquivo é então minimizada.</translation>
    </message>
    <message>
        <source>A file of several channels: the line under the options says how many it has and which is analysed. &lt;i&gt;First channel&lt;/i&gt; takes the first, &lt;i&gt;Mean of the channels&lt;/i&gt; their mean; the choice holds for the files opened later.</source>
        <translation>Um arquivo de vários canais: a linha sob as opções diz quantos ele tem e qual é analisado. &lt;i&gt;Primeiro canal&lt;/i&gt; toma o primeiro, &lt;i&gt;Média dos canais&lt;/i&gt; a média deles; a escolha vale também para os arquivos abertos depois.</translation>
    </message>
    <message>
        <source>A window lowers all peaks by about the same factor; the &lt;i&gt;Report&lt;/i&gt; gives amplitudes in percent of the largest, so they need no correction. The graph of f(t) draws the window&apos;s shape over the samples as a thin grey curve. Try a sine of 30.37 cycles with each window.</source>
        <translation>Uma janela reduz todos os picos por quase o mesmo fator; o &lt;i&gt;Relatório&lt;/i&gt; dá as amplitudes em porcentagem da maior, por isso não precisam de correção. O gráfico de f(t) desenha a forma da janela sobre as amostras como uma curva cinza fina. Experimente um seno de 30,37 ciclos com cada janela.</translation>
    </message>
    <message>
        <source>Aliasing: a wave at or above half the number of points per second (512 Hz with 1024 points in one second) cannot be told from a lower one. Its fields in the wave table, or the cycles field of a simple wave, turn light red, and a hint under the table says where it appears, for example &quot;570 Hz is above 512 Hz and appears at 454 Hz&quot;. The wave is still computed: the folded peak is what the transform shows (see Help: &lt;i&gt;Nyquist&lt;/i&gt;).</source>
        <translation>Aliasing: uma onda na metade do número de pontos por segundo ou acima dela (512 Hz com 1024 pontos em um segundo) não pode ser distinguida de uma mais baixa. Seus campos na tabela de ondas, ou o campo de ciclos de uma onda simples, ficam vermelho-claros, e uma dica sob a tabela diz onde ela aparece, por exemplo &quot;570 Hz está acima de 512 Hz e aparece em 454 Hz&quot;. A onda ainda é calculada: o pico rebatido é o que a transformada mostra (veja Ajuda: &lt;i&gt;Nyquist&lt;/i&gt;).</translation>
    </message>
    <message>
        <source>Alt with the underlined letter opens a menu and chooses its entries. Tab goes through the fields and buttons in reading order, the wave table a row at a time; Space presses the button that has the focus.</source>
        <translation>Alt com a letra sublinhada abre um menu e escolhe suas entradas. Tab percorre os campos e botões na ordem de leitura, a tabela de ondas uma linha de cada vez; Espaço pressiona o botão que tem o foco.</translation>
    </message>
    <message>
        <source>CSV files and reports write numbers with a point, and CSV columns have English names, so every student&apos;s file reads alike.</source>
        <translation>Arquivos CSV e relatórios escrevem os números com ponto, e as colunas do CSV têm nomes em inglês, para que o arquivo de cada aluno seja lido da mesma forma.</translation>
    </message>
    <message>
        <source>Ctrl+B &lt;i&gt;Both&lt;/i&gt;, Ctrl+T &lt;i&gt;Only f(t)&lt;/i&gt;, Ctrl+F &lt;i&gt;Only FFT&lt;/i&gt;, Ctrl+L &lt;i&gt;Log&lt;/i&gt; or &lt;i&gt;Lin&lt;/i&gt;, Ctrl+R &lt;i&gt;Report&lt;/i&gt;, Ctrl+I &lt;i&gt;Inverse&lt;/i&gt;.</source>
        <translation>Ctrl+B &lt;i&gt;Ambos&lt;/i&gt;, Ctrl+T &lt;i&gt;Só f(t)&lt;/i&gt;, Ctrl+F &lt;i&gt;Só FFT&lt;/i&gt;, Ctrl+L &lt;i&gt;Log&lt;/i&gt; ou &lt;i&gt;Lin&lt;/i&gt;, Ctrl+R &lt;i&gt;Relatório&lt;/i&gt;, Ctrl+I &lt;i&gt;Inversa&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Drag over the graph from left to right with the left button held to select the samples to analyse; the right button takes the selection away. Below the graph, &lt;i&gt;Selected points&lt;/i&gt; counts the selection and &lt;i&gt;To be transferred&lt;/i&gt; the largest power of two it holds, from 1024 to 16384.</source>
        <translation>Arraste sobre o gráfico da esquerda para a direita com o botão esquerdo pressionado para selecionar as amostras a analisar; o botão direito desfaz a seleção. Abaixo do gráfico, &lt;i&gt;Pontos selecionados&lt;/i&gt; conta a seleção e &lt;i&gt;A transferir&lt;/i&gt; a maior potência de dois que ela contém, de 1024 a 16384.</translation>
    </message>
    <message>
        <source>Enter or Space there does what a click does. On the FFT graph it marks the peak near the cursor, sets a limit of the expansion after &lt;i&gt;Horizontal&lt;/i&gt; (Escape drops a first limit) or, with &lt;i&gt;Show&lt;/i&gt;, places the harmonic markers. On the raw file graph a first Enter starts a selection at the cursor, a second ends it, and Escape takes it away.</source>
        <translation>Enter ou Espaço ali faz o que um clique faz. No gráfico da FFT marca o pico perto do cursor, define um limite da expansão depois de &lt;i&gt;Horizontal&lt;/i&gt; (Esc descarta um primeiro limite) ou, com &lt;i&gt;Mostrar&lt;/i&gt;, coloca os marcadores de harmônicos. No gráfico do arquivo um primeiro Enter inicia uma seleção no cursor, um segundo a termina, e Esc a retira.</translation>
    </message>
    <message>
        <source>Exports and worksheets</source>
        <translation>Exportações e folhas de exercícios</translation>
    </message>
    <message>
        <source>From the keyboard: with &lt;i&gt;Show&lt;/i&gt; pressed, Enter or Space on the graph places the marks at its cursor.</source>
        <translation>Pelo teclado: com &lt;i&gt;Mostrar&lt;/i&gt; pressionado, Enter ou Espaço no gráfico coloca as marcas no seu cursor.</translation>
    </message>
    <message>
        <source>Harmonic markers</source>
        <translation>Marcadores de harmônicos</translation>
    </message>
    <message>
        <source>In the menu &lt;i&gt;Waves&lt;/i&gt; choose &lt;i&gt;Files  *.raw...&lt;/i&gt;. In the window that opens, the menu &lt;i&gt;Open&lt;/i&gt; reads a sound file (WAV, FLAC, Ogg, AIFF and more) or a headerless 8-bit .raw file and draws it. A sound file fills in its own sampling frequency; for a .raw file type it in the box above the graph.</source>
        <translation>No menu &lt;i&gt;Ondas&lt;/i&gt; escolha &lt;i&gt;Arquivos  *.raw...&lt;/i&gt;. Na janela que se abre, o menu &lt;i&gt;Abrir&lt;/i&gt; lê um arquivo de som (WAV, FLAC, Ogg, AIFF e outros) ou um arquivo .raw de 8 bits sem cabeçalho e o desenha. Um arquivo de som preenche sua própria frequência de amostragem; para um arquivo .raw digite-a na caixa acima do gráfico.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>O teclado</translation>
    </message>
    <message>
        <source>Long frames separate close frequencies but blur quick changes; short frames follow quick changes but blur close frequencies.</source>
        <translation>Quadros longos separam frequências próximas mas borram mudanças rápidas; quadros curtos seguem mudanças rápidas mas borram frequências próximas.</translation>
    </message>
    <message>
        <source>Move until the marks fall on peaks: those peaks are the harmonics of the first. The read-out under the buttons gives the frequency under the pointer with its note.</source>
        <translation>Mova até as marcas caírem sobre picos: esses picos são os harmônicos do primeiro. A leitura sob os botões dá a frequência sob o ponteiro com sua nota.</translation>
    </message>
    <message>
        <source>Sound files and recording</source>
        <translation>Arquivos de som e gravação</translation>
    </message>
    <message>
        <source>Sound menu</source>
        <translation>O menu Som</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>The FFT graph, the musical graph and the graph of the raw file window take the focus too, and then show an orange cursor line. Left and Right move it a step (with Shift ten steps), Home and End to the ends; the read-out follows it.</source>
        <translation>O gráfico da FFT, o gráfico musical e o gráfico da janela de arquivos também recebem o foco, e então mostram uma linha de cursor laranja. Esquerda e Direita a movem um passo (com Shift dez passos), Home e End até as pontas; a leitura a acompanha.</translation>
    </message>
    <message>
        <source>The graph shows at most 34000 samples: a longer file gets a scroll bar under the graph that chooses the stretch shown.</source>
        <translation>O gráfico mostra no máximo 34000 amostras: um arquivo mais longo ganha uma barra de rolagem sob o gráfico que escolhe o trecho mostrado.</translation>
    </message>
    <message>
        <source>The harmonic markers show which peaks belong to one note: they stand at 1, 2, 3 ... times the frequency under the pointer.</source>
        <translation>Os marcadores de harmônicos mostram quais picos pertencem a uma nota: ficam em 1, 2, 3 ... vezes a frequência sob o ponteiro.</translation>
    </message>
    <message>
        <source>The menu &lt;i&gt;Export&lt;/i&gt; in &lt;i&gt;File&lt;/i&gt; saves the samples or the spectrum as CSV for a spreadsheet, the report as text, and the graph of f(t), the FFT graph and the musical graph as PNG, SVG or PDF. &lt;i&gt;PNG at double resolution&lt;/i&gt; makes finer PNG pictures.</source>
        <translation>O menu &lt;i&gt;Exportar&lt;/i&gt; em &lt;i&gt;Arquivo&lt;/i&gt; salva as amostras ou o espectro como CSV para uma planilha, o relatório como texto, e o gráfico de f(t), o gráfico da FFT e o gráfico musical como PNG, SVG ou PDF. &lt;i&gt;PNG em resolução dupla&lt;/i&gt; faz imagens PNG mais finas.</translation>
    </message>
    <message>
        <source>The menu &lt;i&gt;Window&lt;/i&gt; weighs the samples with a window function before the transform. &lt;i&gt;Rectangular&lt;/i&gt; (the first choice) takes them as they are: its peaks are the narrowest, so it separates close tones best, but a tone between two frequencies of the transform leaks into bins far from its peak.</source>
        <translation>O menu &lt;i&gt;Janela&lt;/i&gt; pondera as amostras com uma função janela antes da transformada. &lt;i&gt;Retangular&lt;/i&gt; (a primeira escolha) as toma como são: seus picos são os mais estreitos, por isso separa melhor tons próximos, mas um tom entre duas frequências da transformada vaza para pontos longe do seu pico.</translation>
    </message>
    <message>
        <source>Under &lt;i&gt;Harmonics&lt;/i&gt; press &lt;i&gt;Show&lt;/i&gt;. Then, on the FFT graph or on the musical graph (&lt;i&gt;Log&lt;/i&gt;), press the right button of the mouse on the first peak and drag with the button held: the marks follow the pointer, one at its frequency and the others at 2 to 11 times it (to 17 times on the musical graph). On the musical graph they appear only once the pointer moves.</source>
        <translation>Sob &lt;i&gt;Harmônicos&lt;/i&gt; pressione &lt;i&gt;Mostrar&lt;/i&gt;. Depois, no gráfico da FFT ou no gráfico musical (&lt;i&gt;Log&lt;/i&gt;), pressione o botão direito do mouse sobre o primeiro pico e arraste com o botão pressionado: as marcas seguem o ponteiro, uma na sua frequência e as outras em 2 a 11 vezes ela (até 17 vezes no gráfico musical). No gráfico musical elas só aparecem quando o ponteiro se move.</translation>
    </message>
    <message>
        <source>Windows and aliasing</source>
        <translation>Janelas e aliasing</translation>
    </message>
    <message>
        <source>With &lt;i&gt;for a worksheet&lt;/i&gt; checked, the pictures are made for paper: a white ground, a frame, both axes with their quantity and unit ticked at round numbers, a title naming the function or the file, and the marks the window shows (harmonic markers, the marked peak, an expanded range). &lt;i&gt;Spectrum in % of the largest, as in the report&lt;/i&gt; ticks the spectrum&apos;s axis in percent.</source>
        <translation>Com &lt;i&gt;para uma folha de exercícios&lt;/i&gt; marcado, as imagens são feitas para papel: fundo branco, moldura, os dois eixos com sua grandeza e unidade marcados em números redondos, um título que nomeia a função ou o arquivo, e as marcas que a janela mostra (marcadores de harmônicos, o pico marcado, uma faixa expandida). &lt;i&gt;Espectro em % do maior, como no relatório&lt;/i&gt; marca o eixo do espectro em porcentagem.</translation>
    </message>
    <message>
        <source>Without a sound device these entries are disabled, and their tooltips say why.</source>
        <translation>Sem dispositivo de som essas entradas ficam desativadas, e suas dicas dizem por quê.</translation>
    </message>
    <message>
        <source>The file is cut into frames of as many points as typed in &lt;i&gt;Frame (points)&lt;/i&gt; (a power of two from 256 to 16384), one starting every &lt;i&gt;Hop (points)&lt;/i&gt; points; each frame is weighted by a Hann window and transformed. Type new values and press &lt;i&gt;Analyse&lt;/i&gt;. A long file fills in from the left while the progress bar moves.</source>
        <translation>O arquivo é cortado em quadros de tantos pontos quantos digitados em &lt;i&gt;Quadro (pontos)&lt;/i&gt; (uma potência de dois de 256 a 16384), um começando a cada &lt;i&gt;Passo (pontos)&lt;/i&gt; pontos; cada quadro é ponderado por uma janela de Hann e transformado. Digite novos valores e pressione &lt;i&gt;Analisar&lt;/i&gt;. Um arquivo longo se preenche a partir da esquerda enquanto a barra de progresso avança.</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>&quot;%1&quot; is no language</source>
        <translation>&quot;%1&quot; não é uma língua</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the first &quot;step:&quot;</source>
        <translation>&quot;%1&quot; vem antes do primeiro &quot;step:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;title:&quot;</source>
        <translation>a lição não tem &quot;title:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;aim:&quot;</source>
        <translation>a lição não tem &quot;aim:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;summary:&quot;</source>
        <translation>a lição não tem &quot;summary:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;minutes:&quot;</source>
        <translation>a lição não tem &quot;minutes:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no step</source>
        <translation>a lição não tem nenhum passo</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number (write it as 3.5, with a point)</source>
        <translation>&quot;%1&quot; não é um número (escreva-o como 3.5, com ponto)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of step (predict, observe, your turn, question)</source>
        <translation>&quot;%1&quot; não é um tipo de passo (predict, observe, your turn, question)</translation>
    </message>
    <message>
        <source>a translated choice comes before its &quot;choice:&quot;</source>
        <translation>uma escolha traduzida vem antes do seu &quot;choice:&quot;</translation>
    </message>
    <message>
        <source>&quot;feedback:&quot; follows no &quot;choice:&quot; or &quot;mistake:&quot;</source>
        <translation>&quot;feedback:&quot; não segue nenhum &quot;choice:&quot; ou &quot;mistake:&quot;</translation>
    </message>
    <message>
        <source>a tolerance cannot be negative</source>
        <translation>uma tolerância não pode ser negativa</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; is not in the lesson&apos;s folder</source>
        <translation>a imagem &quot;%1&quot; não está na pasta da lição</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a key of lessons nor a setting of the main window</source>
        <translation>&quot;%1&quot; não é nem uma chave de lições nem uma configuração da janela principal</translation>
    </message>
    <message>
        <source>the sound &quot;%1&quot; is not in the lesson&apos;s folder</source>
        <translation>o som &quot;%1&quot; não está na pasta da lição</translation>
    </message>
    <message>
        <source>the step has no &quot;text:&quot;</source>
        <translation>o passo não tem &quot;text:&quot;</translation>
    </message>
    <message>
        <source>a &quot;your turn&quot; step needs the settings the student must make</source>
        <translation>um passo &quot;your turn&quot; precisa das configurações que o aluno deve fazer</translation>
    </message>
    <message>
        <source>only predict and question steps take answers, choices and mistakes</source>
        <translation>só os passos predict e question aceitam respostas, escolhas e erros</translation>
    </message>
    <message>
        <source>a choice question needs two choices or more</source>
        <translation>uma pergunta de escolha precisa de duas escolhas ou mais</translation>
    </message>
    <message>
        <source>the answer of a choice question is the number of the right choice, 1 to %1</source>
        <translation>a resposta de uma pergunta de escolha é o número da escolha certa, de 1 a %1</translation>
    </message>
    <message>
        <source>the question has no &quot;answer:&quot;</source>
        <translation>a pergunta não tem &quot;answer:&quot;</translation>
    </message>
    <message>
        <source>%1 is not a lesson file</source>
        <translation>%1 não é um arquivo de lição</translation>
    </message>
    <message>
        <source>the file is too large for a lesson</source>
        <translation>o arquivo é grande demais para uma lição</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>o arquivo não pode ser lido</translation>
    </message>
    <message>
        <source>Not quite: look again, and try once more.</source>
        <translation>Ainda não: olhe de novo e tente outra vez.</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <translation>A resposta é %1.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>Certo!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: write it as 2.5 or 2,5</source>
        <translation>&quot;%1&quot; não é um número: escreva-o como 2.5 ou 2,5</translation>
    </message>
    <message>
        <source>You predicted %1; the window shows %2.</source>
        <translation>Você previu %1; a janela mostra %2.</translation>
    </message>
    <message>
        <source>Choose one of the answers.</source>
        <translation>Escolha uma das respostas.</translation>
    </message>
    <message>
        <source>&quot;%1: %2&quot; could not be set</source>
        <translation>&quot;%1: %2&quot; não pôde ser ajustado</translation>
    </message>
    <message>
        <source>the window cannot be set so: %1</source>
        <translation>a janela não pode ser ajustada assim: %1</translation>
    </message>
    <message>
        <source>the question is not checked against the program&apos;s numbers (no &quot;check:&quot;)</source>
        <translation>a pergunta não é conferida com os números do programa (sem &quot;check:&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no number of the program</source>
        <translation>&quot;%1&quot; não nomeia nenhum número do programa</translation>
    </message>
    <message>
        <source>the window shows no %1 here</source>
        <translation>a janela não mostra nenhum %1 aqui</translation>
    </message>
    <message>
        <source>the window shows the answer before the prediction is asked</source>
        <translation>a janela mostra a resposta antes de a previsão ser pedida</translation>
    </message>
    <message>
        <source>a number question needs a number to check</source>
        <translation>uma pergunta numérica precisa de um número para conferir</translation>
    </message>
    <message>
        <source>the answer is %1, but the program&apos;s numbers give %2</source>
        <translation>a resposta é %1, mas os números do programa dão %2</translation>
    </message>
    <message>
        <source>the tolerance %1 is finer than the window shows (steps of %2)</source>
        <translation>a tolerância %1 é mais fina do que a janela mostra (passos de %2)</translation>
    </message>
    <message>
        <source>this mistake is taken for the right answer</source>
        <translation>este erro é tomado pela resposta certa</translation>
    </message>
    <message>
        <source>the right choice does not say %1, which the program&apos;s numbers give</source>
        <translation>a escolha certa não diz %1, que os números do programa dão</translation>
    </message>
    <message>
        <source>the answer %1 can be read before its question is asked</source>
        <translation>a resposta %1 pode ser lida antes de a pergunta ser feita</translation>
    </message>
    <message>
        <source>no typical wrong number has its feedback (&quot;mistake:&quot; and &quot;feedback:&quot;)</source>
        <translation>nenhum número errado típico tem o seu comentário (&quot;mistake:&quot; e &quot;feedback:&quot;)</translation>
    </message>
    <message>
        <source>this wrong choice has no feedback</source>
        <translation>esta escolha errada não tem comentário</translation>
    </message>
    <message>
        <source>this mistake has no feedback</source>
        <translation>este erro não tem comentário</translation>
    </message>
    <message>
        <source>the question needs a &quot;hint:&quot; and an &quot;explain:&quot;</source>
        <translation>a pergunta precisa de um &quot;hint:&quot; e de um &quot;explain:&quot;</translation>
    </message>
    <message>
        <source>a text has no translation &quot;%1&quot;</source>
        <translation>um texto não tem a tradução &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;%1&quot; step</source>
        <translation>a lição não tem nenhum passo &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the lesson does not end with a question</source>
        <translation>a lição não termina com uma pergunta</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>linha %1: %2</translation>
    </message>
    <message>
        <source>the file is not text (it holds control bytes)</source>
        <translation>o arquivo não é texto (contém bytes de controle)</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>o arquivo não é texto UTF-8</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>expected &quot;key: value&quot; (a key, a colon, a value)</source>
        <translation>esperava-se &quot;chave: valor&quot; (uma chave, dois-pontos, um valor)</translation>
    </message>
    <message>
        <source>&quot;open: %1&quot; names no entry of the main window&apos;s menus</source>
        <translation>&quot;open: %1&quot; não nomeia nenhum item dos menus da janela principal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of: %2</source>
        <translation>&quot;%1&quot; não é um destes: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number this setting takes</source>
        <translation>&quot;%1&quot; não é um número que esta configuração aceite</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a wave row &quot;a, b, φ&quot;</source>
        <translation>&quot;%1&quot; não é uma linha de onda &quot;a, b, φ&quot;</translation>
    </message>
    <message>
        <source>a sound is named by its file in the lesson&apos;s folder</source>
        <translation>um som é nomeado pelo seu arquivo na pasta da lição</translation>
    </message>
    <message>
        <source>a selection is &quot;all&quot; or &quot;FIRST to LAST&quot; (samples)</source>
        <translation>uma seleção é &quot;all&quot; ou &quot;PRIMEIRA to ÚLTIMA&quot; (amostras)</translation>
    </message>
    <message>
        <source>the wave table has rows 1 to 10</source>
        <translation>a tabela de ondas tem as linhas 1 a 10</translation>
    </message>
    <message>
        <source>Wave %1</source>
        <translation>Onda %1</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>%1: %2 (now %3)</source>
        <translation>%1: %2 (agora %3)</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Arquivo de som</translation>
    </message>
    <message>
        <source>Sampling frequency</source>
        <translation>Frequência de amostragem</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Seleção</translation>
    </message>
    <message>
        <source>Sum of</source>
        <translation>Soma de</translation>
    </message>
    <message>
        <source>Simple wave</source>
        <translation>Onda simples</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Frequências</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>%1: choose it</source>
        <translation>%1: escolha esta opção</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the sound server stopped taking samples, so the sound was cut off.</source>
        <translation>o servidor de som parou de aceitar amostras, então o som foi interrompido.</translation>
    </message>
    <message>
        <source>the sound input stopped giving samples, and its sound server did not answer within %1 s.</source>
        <translation>a entrada de som parou de dar amostras, e seu servidor de som não respondeu em %1 s.</translation>
    </message>
    <message>
        <source>the sound input stopped giving samples after %1 of the %2 asked for: its sound server does not answer.</source>
        <translation>a entrada de som parou de dar amostras depois de %1 das %2 pedidas: seu servidor de som não responde.</translation>
    </message>
    <message>
        <source>The sound stopped before its end: %1</source>
        <translation>O som parou antes do fim: %1</translation>
    </message>
    <message>
        <source>Listening stopped: %1</source>
        <translation>A escuta parou: %1</translation>
    </message>
    <message>
        <source>it ends before the length it states</source>
        <translation>ele termina antes do comprimento que declara</translation>
    </message>
    <message>
        <source>The file %1 is damaged after %2 s (%3): the spectrogram stops there.</source>
        <translation>O arquivo %1 está danificado depois de %2 s (%3): o espectrograma para ali.</translation>
    </message>
    <message>
        <source>The file %1 is damaged after sample %2 (%3): only the samples before the damage are shown.</source>
        <translation>O arquivo %1 está danificado depois da amostra %2 (%3): só as amostras antes do dano são mostradas.</translation>
    </message>
    <message>
        <source>The file %1 is a damaged sound file: its header can be read, but none of its samples can be decoded (%2).</source>
        <translation>O arquivo %1 é um arquivo de som danificado: seu cabeçalho pode ser lido, mas nenhuma de suas amostras pode ser decodificada (%2).</translation>
    </message>
    <message>
        <source>The opening-parameters file %1 could not be restored from its kept copy: %2.</source>
        <translation>O arquivo de parâmetros iniciais %1 não pôde ser restaurado da cópia guardada: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>O arquivo %1 não pode ser aberto: %2.</translation>
    </message>
    <message>
        <source>The length of %1 cannot be read (%2).</source>
        <translation>O tamanho de %1 não pode ser lido (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened for reading.</source>
        <translation>O arquivo %1 não pode ser aberto para leitura.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>O arquivo %1 não pode ser lido.</translation>
    </message>
    <message>
        <source>The file %1 is empty: it holds no samples to plot.</source>
        <translation>O arquivo %1 está vazio: não contém amostras para traçar.</translation>
    </message>
    <message>
        <source>The file %1 became shorter while it was read.</source>
        <translation>O arquivo %1 ficou menor enquanto era lido.</translation>
    </message>
    <message>
        <source>No samples were selected.</source>
        <translation>Nenhuma amostra foi selecionada.</translation>
    </message>
    <message>
        <source>The file %1 is shorter than when it was plotted; open it again.</source>
        <translation>O arquivo %1 está menor do que quando foi traçado; abra-o de novo.</translation>
    </message>
    <message>
        <source>The file %1 is not a sound file this window can open: its content is in no sound format it knows, and only a name ending in .raw is read as headerless bytes.</source>
        <translation>O arquivo %1 não é um arquivo de som que esta janela possa abrir: seu conteúdo não está em nenhum formato de som conhecido, e só um nome terminado em .raw é lido como bytes sem cabeçalho.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read (%2).</source>
        <translation>O arquivo %1 não pode ser lido (%2).</translation>
    </message>
    <message>
        <source>The file %1 is a damaged sound file (%2).</source>
        <translation>O arquivo %1 é um arquivo de som danificado (%2).</translation>
    </message>
    <message>
        <source>The file %1 holds its sound in an encoding this window cannot decode.</source>
        <translation>O arquivo %1 guarda o som numa codificação que esta janela não consegue decodificar.</translation>
    </message>
    <message>
        <source>The file %1 is a sound file whose header is incomplete: it states no sampling frequency, no channel or no sample format that can be used.</source>
        <translation>O arquivo %1 é um arquivo de som com cabeçalho incompleto: não informa frequência de amostragem, canal ou formato de amostra utilizável.</translation>
    </message>
    <message>
        <source>The file %1 is a sound file whose header is incomplete: it states no sampling frequency or no channel.</source>
        <translation>O arquivo %1 é um arquivo de som com cabeçalho incompleto: não informa frequência de amostragem ou canal.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>O arquivo %1 não pode ser gravado</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>O arquivo %1 não pode ser gravado: %2</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>ele não existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>As informações do sistema não estão disponíveis no momento</translation>
    </message>
    <message>
        <source>Expansion with less than 5 points will produce error in calculations and, anyway, would be useless. Choose a larger interval!</source>
        <translation>Uma expansão com menos de 5 pontos produzirá erro nos cálculos e, de qualquer forma, seria inútil. Escolha um intervalo maior!</translation>
    </message>
    <message>
        <source>It is not possible to export because the parameters were changed. Click in BOTH to recalculate and plot the graphs and then try again</source>
        <translation>Não é possível exportar porque os parâmetros foram alterados. Clique em AMBOS para recalcular e traçar os gráficos e tente de novo</translation>
    </message>
    <message>
        <source>The FFT graph is not shown. Show it and then try again.</source>
        <translation>O gráfico da FFT não está sendo mostrado. Mostre-o e tente de novo.</translation>
    </message>
    <message>
        <source>The musical graph is not shown. Click in &quot;Log&quot; to show it and then try again.</source>
        <translation>O gráfico musical não está sendo mostrado. Clique em &quot;Log&quot; para mostrá-lo e tente de novo.</translation>
    </message>
    <message>
        <source>The report cannot be made while both graphs are shown separately. Choose one quantity and then try again.</source>
        <translation>O relatório não pode ser feito enquanto os dois gráficos são mostrados separadamente. Escolha uma grandeza e tente de novo.</translation>
    </message>
    <message>
        <source>The inverse transform works on 2 to %1 points, a power of two; the total number of points is %2. Nothing was calculated.</source>
        <translation>A transformada inversa trabalha com 2 a %1 pontos, uma potência de dois; o número total de pontos é %2. Nada foi calculado.</translation>
    </message>
    <message>
        <source>The opening-parameters file %1 cannot be created (%2). The program stops.</source>
        <translation>O arquivo de parâmetros iniciais %1 não pode ser criado (%2). O programa será encerrado.</translation>
    </message>
    <message>
        <source>The default opening parameters could not be loaded from %1. The program stops.</source>
        <translation>Os parâmetros iniciais padrão não puderam ser carregados de %1. O programa será encerrado.</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (linha %1)</translation>
    </message>
    <message>
        <source>Total number of points in f(t) graph</source>
        <translation>Número total de pontos no gráfico de f(t)</translation>
    </message>
    <message>
        <source>Number of data points in the window</source>
        <translation>Número de pontos de dados na janela</translation>
    </message>
    <message>
        <source>Data extension in seconds</source>
        <translation>Extensão dos dados em segundos</translation>
    </message>
    <message>
        <source>Window Width (seconds)</source>
        <translation>Largura da janela (segundos)</translation>
    </message>
    <message>
        <source>phase</source>
        <translation>fase</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>It is not possible to print the report because the parameters were changed. Click in BOTH to recalculate and plot the graphs and then try again</source>
        <translation>Não é possível imprimir o relatório porque os parâmetros foram alterados. Clique em AMBOS para recalcular e traçar os gráficos e tente de novo</translation>
    </message>
    <message>
        <source>It is not possible to print the graph and the report because parameters were changed. Click in BOTH to replot the graphs and then retry to print.</source>
        <translation>Não é possível imprimir o gráfico e o relatório porque os parâmetros foram alterados. Clique em AMBOS para traçar de novo os gráficos e tente imprimir outra vez.</translation>
    </message>
    <message>
        <source>The total number of points must lie between 1 and %1; the field holds %2.</source>
        <translation>O número total de pontos deve estar entre 1 e %1; o campo contém %2.</translation>
    </message>
    <message>
        <source>This wave is calculated with at most %1 data points in the window; the field holds %2.</source>
        <translation>Esta onda é calculada com no máximo %1 pontos de dados na janela; o campo contém %2.</translation>
    </message>
    <message>
        <source>The number of points and the cycles cannot be read from the opening parameters (%1); the fields keep their values.</source>
        <translation>O número de pontos e os ciclos não podem ser lidos dos parâmetros iniciais (%1); os campos mantêm seus valores.</translation>
    </message>
    <message>
        <source>Calculated waves are transformed with 1024 points; the total number of points is %1. Nothing was transformed.</source>
        <translation>As ondas calculadas são transformadas com 1024 pontos; o número total de pontos é %1. Nada foi transformado.</translation>
    </message>
    <message>
        <source>Sound data are transformed in powers of two up to 32768 samples; %1 samples cannot be transformed.</source>
        <translation>Os dados de som são transformados em potências de dois até 32768 amostras; %1 amostras não podem ser transformadas.</translation>
    </message>
    <message>
        <source>Make your own code for this operation!</source>
        <translation>Escreva seu próprio código para esta operação!</translation>
    </message>
    <message>
        <source>Total number of points</source>
        <translation>Número total de pontos</translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation>Número de ciclos (por segundo)</translation>
    </message>
    <message>
        <source>The opening parameters cannot be read from %1 (%2). Type them and choose &quot;Save&quot; to write a new file.</source>
        <translation>Os parâmetros iniciais não podem ser lidos de %1 (%2). Digite-os e escolha &quot;Salvar&quot; para gravar um novo arquivo.</translation>
    </message>
    <message>
        <source>The opening parameters cannot be saved in %1 (%2).</source>
        <translation>Os parâmetros iniciais não podem ser salvos em %1 (%2).</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurar impressão</translation>
    </message>
    <message>
        <source>Print to a PDF file</source>
        <translation>Imprimir num arquivo PDF</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>A impressora não pode ser usada.</translation>
    </message>
    <message>
        <source>A sound of %1 samples per second cannot be converted to the %2 of the sound output.</source>
        <translation>Um som de %1 amostras por segundo não pode ser convertido para as %2 da saída de som.</translation>
    </message>
    <message>
        <source>The sound cannot be converted: %1.</source>
        <translation>O som não pode ser convertido: %1.</translation>
    </message>
    <message>
        <source>The function is zero everywhere: there is nothing to hear.</source>
        <translation>A função é zero em todos os pontos: não há nada para ouvir.</translation>
    </message>
    <message>
        <source>the sound file could not be completed</source>
        <translation>o arquivo de som não pôde ser concluído</translation>
    </message>
    <message>
        <source>The file %1 is empty: it holds no samples to analyse.</source>
        <translation>O arquivo %1 está vazio: não contém amostras para analisar.</translation>
    </message>
    <message>
        <source>The file %1 holds %2 sample, fewer than one frame of %3 points: there is no spectrogram to show.</source>
        <translation>O arquivo %1 contém %2 amostra, menos que um quadro de %3 pontos: não há espectrograma para mostrar.</translation>
    </message>
    <message>
        <source>The file %1 holds %2 samples, fewer than one frame of %3 points: there is no spectrogram to show.</source>
        <translation>O arquivo %1 contém %2 amostras, menos que um quadro de %3 pontos: não há espectrograma para mostrar.</translation>
    </message>
    <message>
        <source>The frame must be a power of two from %1 to %2 points, not %3.</source>
        <translation>O quadro deve ser uma potência de dois de %1 a %2 pontos, não %3.</translation>
    </message>
    <message>
        <source>The hop must be from 1 to the frame&apos;s %1 points, not %2.</source>
        <translation>O passo deve ser de 1 aos %1 pontos do quadro, não %2.</translation>
    </message>
    <message>
        <source>there is no sound output here.</source>
        <translation>não há saída de som aqui.</translation>
    </message>
    <message>
        <source>The sampling frequency %1 cannot be played. Transfer the data again.</source>
        <translation>A frequência de amostragem %1 não pode ser tocada. Transfira os dados de novo.</translation>
    </message>
    <message>
        <source>Choose a function in the menu &quot;Waves&quot; first.</source>
        <translation>Escolha primeiro uma função no menu &quot;Ondas&quot;.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>O som não pode ser tocado: %1</translation>
    </message>
    <message>
        <source>No sound can be played: </source>
        <translation>Nenhum som pode ser tocado: </translation>
    </message>
    <message>
        <source>The frame must be a power of two from 256 to 16384 points, not %1.</source>
        <translation>O quadro deve ser uma potência de dois de 256 a 16384 pontos, não %1.</translation>
    </message>
    <message>
        <source>The hop must be a whole number of points from 1 to the frame, not %1.</source>
        <translation>O passo deve ser um número inteiro de pontos de 1 ao quadro, não %1.</translation>
    </message>
    <message>
        <source>there is no sound output device.</source>
        <translation>não há dispositivo de saída de som.</translation>
    </message>
    <message>
        <source>the sound output cannot play %1 samples per second.</source>
        <translation>a saída de som não consegue tocar %1 amostras por segundo.</translation>
    </message>
    <message>
        <source>no sound is playing.</source>
        <translation>nenhum som está tocando.</translation>
    </message>
    <message>
        <source>the sound was not played in time.</source>
        <translation>o som não foi tocado a tempo.</translation>
    </message>
    <message>
        <source>Nothing was recorded: %1</source>
        <translation>Nada foi gravado: %1</translation>
    </message>
    <message>
        <source>The recording holds %1 samples: the selection goes past its end.</source>
        <translation>A gravação contém %1 amostras: a seleção passa do seu fim.</translation>
    </message>
    <message>
        <source>The sound input states no sampling frequency: nothing can be recorded.</source>
        <translation>A entrada de som não informa frequência de amostragem: nada pode ser gravado.</translation>
    </message>
    <message>
        <source>The length of the recording must be a number of seconds from %1 to %2 (from %3 to %4 samples at the input&apos;s %5 hertz). Type it in the box beside &quot;Record&quot;.</source>
        <translation>A duração da gravação deve ser um número de segundos de %1 a %2 (de %3 a %4 amostras nos %5 hertz da entrada). Digite-a na caixa ao lado de &quot;Gravar&quot;.</translation>
    </message>
    <message>
        <source>This program has no sound input here: nothing can be recorded.</source>
        <translation>Este programa não tem entrada de som aqui: nada pode ser gravado.</translation>
    </message>
    <message>
        <source>The sound input cannot be started: %1</source>
        <translation>A entrada de som não pode ser iniciada: %1</translation>
    </message>
    <message>
        <source>it states no sampling frequency.</source>
        <translation>ela não informa frequência de amostragem.</translation>
    </message>
    <message>
        <source>Too little sound was heard for a frame of %1 samples: nothing was kept.</source>
        <translation>Som insuficiente para um quadro de %1 amostras: nada foi guardado.</translation>
    </message>
    <message>
        <source>The main window is listening to the sound input: choose &quot;Stop listening&quot; in its menu &quot;Sound&quot; before recording.</source>
        <translation>A janela principal está ouvindo a entrada de som: escolha &quot;Parar de ouvir&quot; no menu &quot;Som&quot; dela antes de gravar.</translation>
    </message>
    <message>
        <source>The spectrogram is made from a sound file: open one with &quot;Open&quot;.</source>
        <translation>O espectrograma é feito a partir de um arquivo de som: abra um com &quot;Abrir&quot;.</translation>
    </message>
    <message>
        <source>No sound input can be used: there is no microphone or other recording device, or no sound server is running.</source>
        <translation>Nenhuma entrada de som pode ser usada: não há microfone nem outro dispositivo de gravação, ou nenhum servidor de som está rodando.</translation>
    </message>
    <message>
        <source>The sound input %1 offers no format of mono samples this program can read.</source>
        <translation>A entrada de som %1 não oferece nenhum formato de amostras mono que este programa consiga ler.</translation>
    </message>
    <message>
        <source>The sound input %1 cannot be started.</source>
        <translation>A entrada de som %1 não pode ser iniciada.</translation>
    </message>
    <message>
        <source>the sound input gave %1 of the %2 samples asked for.</source>
        <translation>a entrada de som forneceu %1 das %2 amostras pedidas.</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY não está definida</translation>
    </message>
    <message>
        <source>the display %1 does not answer</source>
        <translation>a tela %1 não responde</translation>
    </message>
    <message>
        <source>no display available (%1); start it from a desktop session or under xvfb-run</source>
        <translation>nenhuma tela disponível (%1); inicie-o a partir de uma sessão de área de trabalho ou com xvfb-run</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>a imagem não pôde ser codificada</translation>
    </message>
    <message>
        <source>the new content could not be written</source>
        <translation>o novo conteúdo não pôde ser gravado</translation>
    </message>
    <message>
        <source>its mode could not be kept</source>
        <translation>suas permissões não puderam ser mantidas</translation>
    </message>
    <message>
        <source>its owner could not be kept</source>
        <translation>seu dono não pôde ser mantido</translation>
    </message>
    <message>
        <source>the new content could not be saved to the disk</source>
        <translation>o novo conteúdo não pôde ser salvo no disco</translation>
    </message>
    <message>
        <source>it is not a regular file (a named pipe)</source>
        <translation>não é um arquivo comum (um pipe nomeado)</translation>
    </message>
    <message>
        <source>it is not a regular file (a device)</source>
        <translation>não é um arquivo comum (um dispositivo)</translation>
    </message>
    <message>
        <source>it is not a regular file (a socket)</source>
        <translation>não é um arquivo comum (um socket)</translation>
    </message>
    <message>
        <source>it cannot be reached (%1)</source>
        <translation>não é possível alcançá-lo (%1)</translation>
    </message>
    <message>
        <source>it cannot be opened for writing</source>
        <translation>não pode ser aberto para gravação</translation>
    </message>
    <message>
        <source>its old content could not be kept</source>
        <translation>seu conteúdo antigo não pôde ser guardado</translation>
    </message>
    <message>
        <source>its folder refuses new files and no copy of its old content could be kept in %1 (%2)</source>
        <translation>sua pasta recusa arquivos novos e nenhuma cópia do seu conteúdo antigo pôde ser guardada em %1 (%2)</translation>
    </message>
    <message>
        <source>the new content could not be written in place</source>
        <translation>o novo conteúdo não pôde ser gravado no lugar</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>sua pasta não existe</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>é somente leitura</translation>
    </message>
    <message>
        <source>its folder refuses a new file</source>
        <translation>sua pasta recusa um arquivo novo</translation>
    </message>
    <message>
        <source>the copy %1 cannot be read</source>
        <translation>a cópia %1 não pode ser lida</translation>
    </message>
    <message>
        <source>cannot keep %1 as %2</source>
        <translation>não é possível guardar %1 como %2</translation>
    </message>
    <message>
        <source>the sound output cannot be opened</source>
        <translation>a saída de som não pode ser aberta</translation>
    </message>
    <message>
        <source>the sound output stopped taking samples</source>
        <translation>a saída de som parou de aceitar amostras</translation>
    </message>
    <message>
        <source>the sound output ran out of samples</source>
        <translation>a saída de som ficou sem amostras</translation>
    </message>
    <message>
        <source>the sound output failed</source>
        <translation>a saída de som falhou</translation>
    </message>
    <message>
        <source>the sound server has no output device</source>
        <translation>o servidor de som não tem dispositivo de saída</translation>
    </message>
    <message>
        <source>no sound server answers (%1)</source>
        <translation>nenhum servidor de som responde (%1)</translation>
    </message>
    <message>
        <source>the sound system cannot be asked</source>
        <translation>não é possível consultar o sistema de som</translation>
    </message>
    <message>
        <source>no sound server answers (it did not reply in time)</source>
        <translation>nenhum servidor de som responde (não respondeu a tempo)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>a imagem não pôde ser codificada</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>o desenho não pôde ser feito</translation>
    </message>
    <message>
        <source>the document could not be begun</source>
        <translation>o documento não pôde ser iniciado</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>o documento não pôde ser feito</translation>
    </message>
    <message>
        <source>no room is left: the disk is full or a limit on the size of files was reached</source>
        <translation>não há mais espaço: o disco está cheio ou foi atingido um limite de tamanho de arquivos</translation>
    </message>
    <message>
        <source>its permissions allow neither reading nor writing it</source>
        <translation>suas permissões não permitem nem lê-lo nem gravá-lo</translation>
    </message>
    <message>
        <source>it is a link and its folder refuses the new file that would replace it (the file it leads to is not written through it)</source>
        <translation>é um link e sua pasta recusa o arquivo novo que o substituiria (o arquivo ao qual ele leva não é gravado através dele)</translation>
    </message>
    <message>
        <source>its permissions do not allow reading it</source>
        <translation>suas permissões não permitem lê-lo</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>não pode ser aberto (%1)</translation>
    </message>
    <message>
        <source>which is not a whole number from 1 to 32768. Type a whole number of points and save again.</source>
        <translation>que não é um número inteiro de 1 a 32768. Digite um número inteiro de pontos e salve novamente.</translation>
    </message>
    <message>
        <source>which lies beyond the range of numbers. Type a smaller number and save again.</source>
        <translation>que está fora do intervalo dos números. Digite um número menor e salve novamente.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds %2, %3</source>
        <translation>O campo &quot;%1&quot; contém %2, %3</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>Nada foi salvo.</translation>
    </message>
    <message>
        <source>it is a 2D experiment (only 1D is read)</source>
        <translation>é um experimento 2D (só 1D é lido)</translation>
    </message>
    <message>
        <source>the data type (DTYPA, BYTORDA) is not supported</source>
        <translation>o tipo de dados (DTYPA, BYTORDA) não é suportado</translation>
    </message>
    <message>
        <source>TD is missing</source>
        <translation>falta TD</translation>
    </message>
    <message>
        <source>it holds fewer points than TD says (damaged?)</source>
        <translation>contém menos pontos do que TD diz (danificado?)</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 não pode ser usado: %2</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>é grande demais</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>The size SI must be a power of two from 16 to 4194304.</source>
        <translation>O tamanho SI deve ser uma potência de dois de 16 a 4194304.</translation>
    </message>
    <message>
        <source>The spectrometer frequency SF must be a positive number.</source>
        <translation>A frequência do espectrômetro SF deve ser um número positivo.</translation>
    </message>
    <message>
        <source>LB, GB, PHC0 and PHC1 must be numbers of sensible size.</source>
        <translation>LB, GB, PHC0 e PHC1 devem ser números de tamanho razoável.</translation>
    </message>
    <message>
        <source>The Gaussian window needs GB between 0 and 1.</source>
        <translation>A janela gaussiana precisa de GB entre 0 e 1.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 deve ser um número.</translation>
    </message>
    <message>
        <source>The reference value must be a number of ppm.</source>
        <translation>O valor de referência deve ser um número de ppm.</translation>
    </message>
    <message>
        <source>a line&apos;s check value does not repeat the last value (damaged)</source>
        <translation>o valor de verificação de uma linha não repete o último valor (danificado)</translation>
    </message>
    <message>
        <source>a data line does not start with its abscissa (damaged)</source>
        <translation>uma linha de dados não começa com sua abscissa (danificado)</translation>
    </message>
    <message>
        <source>a data line&apos;s abscissa does not follow the previous line (damaged)</source>
        <translation>a abscissa de uma linha de dados não segue a linha anterior (danificado)</translation>
    </message>
    <message>
        <source>a data line holds a character that is not a number (damaged)</source>
        <translation>uma linha de dados contém um caractere que não é número (danificado)</translation>
    </message>
    <message>
        <source>a data line starts with a difference (damaged)</source>
        <translation>uma linha de dados começa com uma diferença (danificado)</translation>
    </message>
    <message>
        <source>a repeat count stands where it cannot (damaged)</source>
        <translation>uma contagem de repetição está onde não pode estar (danificado)</translation>
    </message>
    <message>
        <source>a line&apos;s check value is missing (damaged)</source>
        <translation>falta o valor de verificação de uma linha (danificado)</translation>
    </message>
    <message>
        <source>the table holds too many points</source>
        <translation>a tabela contém pontos demais</translation>
    </message>
    <message>
        <source>a page names an ordinate the NTUPLES block does not describe</source>
        <translation>uma página cita uma ordenada que o bloco NTUPLES não descreve</translation>
    </message>
    <message>
        <source>a page holds fewer or more points than VAR_DIM says (damaged?)</source>
        <translation>uma página contém menos ou mais pontos do que VAR_DIM diz (danificado?)</translation>
    </message>
    <message>
        <source>it is not a JCAMP-DX file</source>
        <translation>não é um arquivo JCAMP-DX</translation>
    </message>
    <message>
        <source>a data table&apos;s form is not supported</source>
        <translation>a forma de uma tabela de dados não é suportada</translation>
    </message>
    <message>
        <source>it holds a processed spectrum, not an FID</source>
        <translation>contém um espectro processado, não um FID</translation>
    </message>
    <message>
        <source>it is not an NMR FID</source>
        <translation>não é um FID de RMN</translation>
    </message>
    <message>
        <source>it lacks a real and an imaginary page of equal length</source>
        <translation>faltam uma página real e uma imaginária de mesmo comprimento</translation>
    </message>
    <message>
        <source>Quadrature mode AQ_mod %1 is not supported (only 1 and 3).</source>
        <translation>O modo de quadratura AQ_mod %1 não é suportado (só 1 e 3).</translation>
    </message>
    <message>
        <source>The spectral width SW_h is missing.</source>
        <translation>Falta a largura espectral SW_h.</translation>
    </message>
    <message>
        <source>The digital filter&apos;s delay is unknown (no GRPDLY, DSPFVS, DECIM).</source>
        <translation>O atraso do filtro digital é desconhecido (sem GRPDLY, DSPFVS, DECIM).</translation>
    </message>
    <message>
        <source>The spectrometer frequency (SF or BF1) is missing.</source>
        <translation>Falta a frequência do espectrômetro (SF ou BF1).</translation>
    </message>
    <message>
        <source>a point (0.5)</source>
        <translation>um ponto (0.5)</translation>
    </message>
    <message>
        <source>a comma or a point (0,5 or 0.5)</source>
        <translation>uma vírgula ou um ponto (0,5 ou 0.5)</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds %2, which is not a number. Type a number, with %3 as the decimal mark, and calculate again.</source>
        <translation>O campo &quot;%1&quot; contém %2, que não é um número. Digite um número, com %3 como separador decimal, e calcule de novo.</translation>
    </message>
    <message>
        <source>which is not a number. Type a number, with %1 as the decimal mark, and save again.</source>
        <translation>que não é um número. Digite um número, com %1 como separador decimal, e salve novamente.</translation>
    </message>
    <message>
        <source>The library %1 cannot be loaded (%2)</source>
        <translation>Não é possível carregar a biblioteca %1 (%2)</translation>
    </message>
    <message>
        <source>The program&apos;s sound, printing and SVG module cannot be loaded (%1)</source>
        <translation>Não é possível carregar o módulo de som, impressão e SVG do programa (%1)</translation>
    </message>
    <message>
        <source>The view settings cannot be kept in %1 (%2).</source>
        <translation>As preferências de exibição não podem ser guardadas em %1 (%2).</translation>
    </message>
    <message>
        <source>The field &quot;Floor (dB)&quot; holds %1. Type a negative number of decibels, from %2 up to below 0, with %3 as the decimal mark.</source>
        <translation>O campo &quot;Piso (dB)&quot; contém %1. Digite um número negativo de decibéis, de %2 até abaixo de 0, com %3 como separador decimal.</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1 deve ser um número de %2 a %3.</translation>
    </message>
    <message>
        <source>The multiplet must be s, d, t, q, quint, sext, sept or its number of lines (1 to 13).</source>
        <translation>O multipleto deve ser s, d, t, q, quint, sext, sept ou o seu número de linhas (1 a 13).</translation>
    </message>
    <message>
        <source>Points must be a whole number from 16 to 262144.</source>
        <translation>Os pontos devem ser um número inteiro de 16 a 262144.</translation>
    </message>
    <message>
        <source>At most %1 lines can be simulated.</source>
        <translation>No máximo %1 linhas podem ser simuladas.</translation>
    </message>
    <message>
        <source>Add a line to the list first: a FID needs something to decay.</source>
        <translation>Adicione antes uma linha à lista: um FID precisa de algo que decaia.</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosseno</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>Onda senoidal</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Onda quadrada</translation>
    </message>
    <message>
        <source>Triangular Wave</source>
        <translation>Onda triangular</translation>
    </message>
    <message>
        <source>Data of %1</source>
        <translation>Dados de %1</translation>
    </message>
    <message>
        <source>Frequency of file: %1 Hz</source>
        <translation>Frequência do arquivo: %1 Hz</translation>
    </message>
    <message>
        <source>Number of points: %1</source>
        <translation>Número de pontos: %1</translation>
    </message>
    <message>
        <source>Window: %1 seconds</source>
        <translation>Janela: %1 segundos</translation>
    </message>
    <message>
        <source>Data window (complemented with zeros): %1 seconds</source>
        <translation>Janela de dados (completada com zeros): %1 segundos</translation>
    </message>
    <message>
        <source>2. Parameters</source>
        <translation>2. Parâmetros</translation>
    </message>
    <message>
        <source>2.1. number of cycles per second: %1 cycles</source>
        <translation>2.1. número de ciclos por segundo: %1 ciclos</translation>
    </message>
    <message>
        <source>2.2. data window (complemented with zeros): %1 second</source>
        <translation>2.2. janela de dados (completada com zeros): %1 segundo</translation>
    </message>
    <message>
        <source>2.3. parameters of the functions</source>
        <translation>2.3. parâmetros das funções</translation>
    </message>
    <message>
        <source>3. RESULT</source>
        <translation>3. RESULTADO</translation>
    </message>
    <message>
        <source>frequencies</source>
        <translation>frequências</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>amplitude</translation>
    </message>
    <message>
        <source>phase </source>
        <translation>fase </translation>
    </message>
    <message>
        <source> (See Help!)</source>
        <translation> (Veja a Ajuda!)</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>(radians)</source>
        <translation>(radianos)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>1. Function analysed f(t): %1</source>
        <translation>1. Função analisada f(t): %1</translation>
    </message>
    <message>
        <source>Window function: %1</source>
        <translation>Função janela: %1</translation>
    </message>
    <message>
        <source>2.4. window function: %1</source>
        <translation>2.4. função janela: %1</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Short vertical marks: the window&apos;s harmonic markers, a fundamental and its harmonics.</source>
        <translation>Marcas verticais curtas: os marcadores de harmônicos da janela, uma fundamental e seus harmônicos.</translation>
    </message>
    <message>
        <source>imaginary part</source>
        <translation>parte imaginária</translation>
    </message>
    <message>
        <source>real part</source>
        <translation>parte real</translation>
    </message>
    <message>
        <source>real part (scale of the largest part)</source>
        <translation>parte real (escala da maior parte)</translation>
    </message>
    <message>
        <source>modulus ρ</source>
        <translation>módulo ρ</translation>
    </message>
    <message>
        <source>spectrum</source>
        <translation>espectro</translation>
    </message>
    <message>
        <source>%1, %2 window</source>
        <translation>%1, janela de %2</translation>
    </message>
    <message>
        <source>%1, N = %2 points</source>
        <translation>%1, N = %2 pontos</translation>
    </message>
    <message>
        <source> (% of the largest)</source>
        <translation> (% do maior)</translation>
    </message>
    <message>
        <source> (units of the spectrum list)</source>
        <translation> (unidades da lista do espectro)</translation>
    </message>
    <message>
        <source>samples f(t)</source>
        <translation>amostras f(t)</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>tempo (s)</translation>
    </message>
    <message>
        <source>f(t) (sample value)</source>
        <translation>f(t) (valor da amostra)</translation>
    </message>
    <message>
        <source>The vertical line marks the middle of the sampled window.</source>
        <translation>A linha vertical marca o meio da janela amostrada.</translation>
    </message>
    <message>
        <source>%1 of the Fourier transform</source>
        <translation>%1 da transformada de Fourier</translation>
    </message>
    <message>
        <source>frequency (Hz)</source>
        <translation>frequência (Hz)</translation>
    </message>
    <message>
        <source>, expanded to %1 to %2 Hz</source>
        <translation>, ampliado de %1 a %2 Hz</translation>
    </message>
    <message>
        <source>%1 of the Fourier transform on a musical scale</source>
        <translation>%1 da transformada de Fourier em escala musical</translation>
    </message>
    <message>
        <source>frequency (Hz), logarithmic scale, over the piano keyboard</source>
        <translation>frequência (Hz), escala logarítmica, sobre o teclado do piano</translation>
    </message>
    <message>
        <source>level (dB)</source>
        <translation>nível (dB)</translation>
    </message>
    <message>
        <source>Spectrogram of the sound file %1, level in dB, Hann window, N = %2 points per frame, every %3 points</source>
        <translation>Espectrograma do arquivo de som %1, nível em dB, janela de Hann, N = %2 pontos por quadro, a cada %3 pontos</translation>
    </message>
    <message>
        <source>of the sound file %1</source>
        <translation>do arquivo de som %1</translation>
    </message>
    <message>
        <source>of a sine wave</source>
        <translation>de uma onda senoidal</translation>
    </message>
    <message>
        <source>of a square wave</source>
        <translation>de uma onda quadrada</translation>
    </message>
    <message>
        <source>of a triangular wave</source>
        <translation>de uma onda triangular</translation>
    </message>
    <message>
        <source>of a simple wave</source>
        <translation>de uma onda simples</translation>
    </message>
    <message>
        <source>of a sum of sines, %1 cycles per second</source>
        <translation>de uma soma de senos, %1 ciclos por segundo</translation>
    </message>
    <message>
        <source>of a sum of cosines, %1 cycles per second</source>
        <translation>de uma soma de cossenos, %1 ciclos por segundo</translation>
    </message>
    <message>
        <source>chemical shift (ppm)</source>
        <translation>deslocamento químico (ppm)</translation>
    </message>
    <message>
        <source>intensity (arbitrary units)</source>
        <translation>intensidade (unidades arbitrárias)</translation>
    </message>
    <message>
        <source> (grey)</source>
        <translation> (cinza)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About  %1</source>
        <translation>Sobre o  %1</translation>
    </message>
    <message>
        <source>Version %1.%2  (1998)</source>
        <translation>Versão %1.%2  (1998)</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>Info. do &amp;sistema...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The objective of this program is to help the Chemistry student to understand some practical aspects of the application of the Fourier Transform to the analysis of spectroscopic data and of several simple and complex periodic functions. Many different periodic functions can be generated and then analysed.</source>
        <translation>O objetivo deste programa é ajudar o estudante de Química a entender alguns aspectos práticos da aplicação da Transformada de Fourier à análise de dados espectroscópicos e de várias funções periódicas simples e complexas. Muitas funções periódicas diferentes podem ser geradas e depois analisadas.</translation>
    </message>
    <message>
        <source>This program was made in 1998 exclusively for didactic purposes, as a teaching aid for Chemistry students.</source>
        <translation>Este programa foi feito em 1998 exclusivamente para fins didáticos, como apoio ao ensino de estudantes de Química.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source> Warning: Do not use on Fridays after 4 PM (THE WEEKEND IS FOR RESTING)</source>
        <translation> Aviso: não use às sextas-feiras depois das 16h (O FIM DE SEMANA É PARA DESCANSAR)</translation>
    </message>
    <message>
        <source>FFT</source>
        <translation>FFT</translation>
    </message>
    <message>
        <source>FFT Quorbel</source>
        <translation>FFT Quorbel</translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation>Versão 1.0</translation>
    </message>
    <message>
        <source>Windows95</source>
        <translation>Windows95</translation>
    </message>
</context>
<context>
    <name>quorbel::ControlBinder</name>
    <message>
        <source>%1, row %2</source>
        <translation>%1, linha %2</translation>
    </message>
</context>
</TS>
