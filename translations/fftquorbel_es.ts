<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>cannot write the default opening parameters: %1</source>
        <translation>no se pueden escribir los parámetros iniciales predeterminados: %1</translation>
    </message>
    <message>
        <source>cannot use the opening parameters in %1: %2</source>
        <translation>no se pueden usar los parámetros iniciales de %1: %2</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>no se puede leer %1</translation>
    </message>
    <message>
        <source>cannot copy %1 to a temporary folder: %2</source>
        <translation>no se puede copiar %1 a una carpeta temporal: %2</translation>
    </message>
    <message>
        <source>no QGuiApplication: the graphs cannot be drawn</source>
        <translation>sin QGuiApplication: los gráficos no se pueden dibujar</translation>
    </message>
    <message>
        <source>the window cannot start from the opening parameters in %1 (it would use the default record instead)</source>
        <translation>la ventana no puede partir de los parámetros iniciales de %1 (usaría en su lugar el registro predeterminado)</translation>
    </message>
    <message>
        <source>%1 cannot be used in the state the window has reached</source>
        <translation>%1 no se puede usar en el estado al que ha llegado la ventana</translation>
    </message>
    <message>
        <source>The CSV cannot be made: %1</source>
        <translation>No se puede hacer el CSV: %1</translation>
    </message>
    <message>
        <source>--fs needs a number of hertz from 1 to 1000000</source>
        <translation>--fs requiere un número de hercios de 1 a 1000000</translation>
    </message>
    <message>
        <source>controls takes at most one window name</source>
        <translation>controls admite como máximo un nombre de ventana</translation>
    </message>
    <message>
        <source>no window named %1 (one of %2)</source>
        <translation>ninguna ventana llamada %1 (una de %2)</translation>
    </message>
    <message>
        <source>more than one command: %1</source>
        <translation>más de una orden: %1</translation>
    </message>
    <message>
        <source>unknown command %1 (one of %2)</source>
        <translation>orden desconocida %1 (una de %2)</translation>
    </message>
    <message>
        <source>%1 needs the name of the file to write</source>
        <translation>%1 requiere el nombre del archivo que escribir</translation>
    </message>
    <message>
        <source>csv needs %1</source>
        <translation>csv requiere %1</translation>
    </message>
    <message>
        <source>no command given (one of %1)</source>
        <translation>no se dio ninguna orden (una de %1)</translation>
    </message>
    <message>
        <source>--frame and --hop apply to the spectrogram only</source>
        <translation>--frame y --hop solo se aplican al espectrograma</translation>
    </message>
    <message>
        <source>--negative needs --method complex</source>
        <translation>--negative requiere --method complex</translation>
    </message>
    <message>
        <source>--cos applies to the multiple waves only</source>
        <translation>--cos solo se aplica a las ondas múltiples</translation>
    </message>
    <message>
        <source>--phase needs --wave sine, square or triangular</source>
        <translation>--phase requiere --wave sine, square o triangular</translation>
    </message>
    <message>
        <source>--scroll needs --expand</source>
        <translation>--scroll requiere --expand</translation>
    </message>
    <message>
        <source>--tuning needs --log</source>
        <translation>--tuning requiere --log</translation>
    </message>
    <message>
        <source>render needs a folder: render DIR</source>
        <translation>render requiere una carpeta: render DIR</translation>
    </message>
    <message>
        <source>--svg applies to render only</source>
        <translation>--svg solo se aplica a render</translation>
    </message>
    <message>
        <source>--pdf applies to render only</source>
        <translation>--pdf solo se aplica a render</translation>
    </message>
    <message>
        <source>--worksheet applies to render and spectrogram only</source>
        <translation>--worksheet solo se aplica a render y spectrogram</translation>
    </message>
    <message>
        <source>--worksheet frames single graphs (not --show both)</source>
        <translation>--worksheet enmarca gráficos únicos (no --show both)</translation>
    </message>
    <message>
        <source>--percent needs --worksheet</source>
        <translation>--percent requiere --worksheet</translation>
    </message>
    <message>
        <source>--log shows positive frequencies only (no --negative)</source>
        <translation>--log solo muestra frecuencias positivas (sin --negative)</translation>
    </message>
    <message>
        <source>--log needs a single graph (not --show both)</source>
        <translation>--log requiere un único gráfico (no --show both)</translation>
    </message>
    <message>
        <source>--listen records its sound at the input&apos;s rate (no --raw, --fs or --channels)</source>
        <translation>--listen graba su sonido a la frecuencia de la entrada (sin --raw, --fs ni --channels)</translation>
    </message>
    <message>
        <source>--wave and --listen choose two different functions</source>
        <translation>--wave y --listen eligen dos funciones distintas</translation>
    </message>
    <message>
        <source>--raw needs --select (and --fs, --channels or --select needs --raw)</source>
        <translation>--raw requiere --select (y --fs, --channels o --select requiere --raw)</translation>
    </message>
    <message>
        <source>--wave and --raw choose two different functions</source>
        <translation>--wave y --raw eligen dos funciones distintas</translation>
    </message>
    <message>
        <source>--seconds applies to wav and play only</source>
        <translation>--seconds solo se aplica a wav y play</translation>
    </message>
    <message>
        <source>csv spectrogram needs the sound file</source>
        <translation>csv spectrogram requiere el archivo de sonido</translation>
    </message>
    <message>
        <source>spectrogram needs the sound file and the PNG file to write</source>
        <translation>spectrogram requiere el archivo de sonido y el archivo PNG que escribir</translation>
    </message>
    <message>
        <source>the spectrogram takes its file after the command (no --raw, --select)</source>
        <translation>el espectrograma toma su archivo después de la orden (sin --raw, --select)</translation>
    </message>
    <message>
        <source>the spectrogram takes only --frame, --hop, --fs and --channels (and --worksheet for its picture)</source>
        <translation>el espectrograma solo admite --frame, --hop, --fs y --channels (y --worksheet para su imagen)</translation>
    </message>
    <message>
        <source>%1 takes no value</source>
        <translation>%1 no admite ningún valor</translation>
    </message>
    <message>
        <source>unknown option %1 (see --help)</source>
        <translation>opción desconocida %1 (véase --help)</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 requiere un valor</translation>
    </message>
    <message>
        <source>--params needs a file name</source>
        <translation>--params requiere un nombre de archivo</translation>
    </message>
    <message>
        <source>%1 takes %2, not %3</source>
        <translation>%1 admite %2, no %3</translation>
    </message>
    <message>
        <source>--halve needs a whole number from 0 to %1, not %2</source>
        <translation>--halve requiere un número entero de 0 a %1, no %2</translation>
    </message>
    <message>
        <source>--expand needs two positions in twips, X1,X2, not %1</source>
        <translation>--expand requiere dos posiciones en twips, X1,X2, no %1</translation>
    </message>
    <message>
        <source>--raw needs a file name</source>
        <translation>--raw requiere un nombre de archivo</translation>
    </message>
    <message>
        <source>--channels needs first or mean, not %1</source>
        <translation>--channels requiere first o mean, no %1</translation>
    </message>
    <message>
        <source>--listen needs a number of seconds from 0.1 to 10, not %1</source>
        <translation>--listen requiere un número de segundos de 0.1 a 10, no %1</translation>
    </message>
    <message>
        <source>--select needs two sample numbers FIRST,LAST with FIRST &lt; LAST, not %1</source>
        <translation>--select requiere dos números de muestra FIRST,LAST con FIRST &lt; LAST, no %1</translation>
    </message>
    <message>
        <source>--scroll needs a whole number, not %1</source>
        <translation>--scroll requiere un número entero, no %1</translation>
    </message>
    <message>
        <source>%1 needs a whole number of points, not %2</source>
        <translation>%1 requiere un número entero de puntos, no %2</translation>
    </message>
    <message>
        <source>--seconds needs a number of seconds from 0.1 to 60, not %1</source>
        <translation>--seconds requiere un número de segundos de 0.1 a 60, no %1</translation>
    </message>
    <message>
        <source>--tuning needs a whole number from -10 to 10, not %1</source>
        <translation>--tuning requiere un número entero de -10 a 10, no %1</translation>
    </message>
    <message>
        <source>the sound was not played: %1</source>
        <translation>el sonido no se reprodujo: %1</translation>
    </message>
    <message>
        <source>the output cannot be written</source>
        <translation>la salida no se puede escribir</translation>
    </message>
    <message>
        <source>the output cannot be written: %1</source>
        <translation>la salida no se puede escribir: %1</translation>
    </message>
    <message>
        <source>cannot create a temporary folder: %1</source>
        <translation>no se puede crear una carpeta temporal: %1</translation>
    </message>
    <message>
        <source>step %1 (line %2), %3: %4</source>
        <translation>paso %1 (línea %2), %3: %4</translation>
    </message>
    <message>
        <source>the program&apos;s numbers give: %1; the lesson&apos;s answer: %2</source>
        <translation>los números del programa dan: %1; la respuesta de la lección: %2</translation>
    </message>
    <message>
        <source>usage: fftquorbel-cli lesson [--strict] LESSON-FOLDER</source>
        <translation>uso: fftquorbel-cli lesson [--strict] CARPETA-DE-LA-LECCIÓN</translation>
    </message>
    <message>
        <source>the main window cannot start</source>
        <translation>la ventana principal no puede iniciarse</translation>
    </message>
    <message>
        <source>lesson: %1 (%2 steps, %3 minutes)</source>
        <translation>lección: %1 (%2 pasos, %3 minutos)</translation>
    </message>
    <message>
        <source>the lesson is good</source>
        <translation>la lección está bien</translation>
    </message>
    <message>
        <source>the lesson is broken</source>
        <translation>la lección tiene errores</translation>
    </message>
    <message>
        <source>%1 needs a number</source>
        <translation>%1 necesita un número</translation>
    </message>
    <message>
        <source>nmr does not take %1</source>
        <translation>nmr no admite %1</translation>
    </message>
    <message>
        <source>nmr takes one data path and one output</source>
        <translation>nmr admite una ruta de datos y una salida</translation>
    </message>
    <message>
        <source>nmr needs the data (folder or JCAMP-DX file) and csv, peaks or a picture file (.png, .svg, .pdf)</source>
        <translation>nmr necesita los datos (carpeta o archivo JCAMP-DX) y csv, peaks o un archivo de imagen (.png, .svg, .pdf)</translation>
    </message>
    <message>
        <source>--si needs a power of two from 16 to 4194304</source>
        <translation>--si necesita una potencia de dos de 16 a 4194304</translation>
    </message>
    <message>
        <source>nmr writes csv, peaks or a .png, .svg or .pdf file</source>
        <translation>nmr escribe csv, peaks o un archivo .png, .svg o .pdf</translation>
    </message>
    <message>
        <source>--zoom and --axes apply to render only</source>
        <translation>--zoom y --axes valen solo para render</translation>
    </message>
    <message>
        <source>--zoom takes 100, 125, 150 or 200, not %1</source>
        <translation>--zoom acepta 100, 125, 150 o 200, no %1</translation>
    </message>
    <message>
        <source>--db draws the linear FFT graph (not --log or --show both)</source>
        <translation>--db dibuja el gráfico FFT lineal (no --log ni --show both)</translation>
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
        <translation>Uso: fftquorbel-cli [OPCIÓN]... ORDEN

Calcula lo que calcula la ventana principal de FFT Quorbel e imprime una de sus
listas de datos, una línea de la lista por línea de salida. La ventana se
maneja exactamente como lo haría un usuario, a partir de los parámetros
iniciales predeterminados incorporados o de una copia del archivo de --params;
el archivo de parámetros iniciales del propio programa nunca se lee ni se
escribe.

Órdenes:
  samples     sampleList: N, las N muestras de f(t), la mayor muestra en valor
              absoluto
  spectrum    spectrumList: la transformada (REALFT: N, H0, HN, luego pares
              Re/Im; método complejo: una línea de cabecera vacía, luego pares
              Re/Im)
  graph       graphValueList: los valores del gráfico de la FFT
  displayed   displayedValueList: los valores tal como se dibujan en el
              gráfico de la FFT
  report      el informe (menú &quot;Informe&quot;) como texto plano: cada elemento en
              su columna de caracteres, letras griegas en Unicode
  render DIR  las imágenes de los gráficos mostrados como archivos PNG en DIR
              (se crea si no existe): ft.png (f(t)) y fft.png (el gráfico de la
              FFT), o con --log music.png (el lienzo musical) en lugar de
              fft.png, o con --show both fft-imaginary.png y fft-real.png;
              imprime las rutas escritas, una por línea.
              Con --svg también ft.svg y el dibujo SVG del gráfico mostrado:
              fft.svg, o music.svg con --log (menú &quot;Exportar&quot;)
              Con --pdf también las imágenes PDF ft.pdf, y fft.pdf o music.pdf.
              Con --worksheet cada imagen se hace &quot;para una hoja de
              trabajo&quot; (menú &quot;Exportar&quot;): ejes con magnitudes, unidades y
              números redondos, un título y las marcas sobre el gráfico; no
              con --show both
  inverse     menú &quot;Inversa&quot;: maxOrig=, maxRevert=, minOrig=, minRevert=, una
              línea vacía, Error máximo= y Error relativo máximo= (%), luego
              las filas de la tabla: valor original, valor recuperado desde la
              columna 27
  print FILE  la página de &quot;Imprimir gráfico de la FFT&quot; (el gráfico mostrado,
              su escala y el informe) escrita en FILE como PDF
  bitmap FILE la imagen de &quot;Crear mapa de bits del gráfico de la FFT&quot; guardada
              en FILE como mapa de bits de Windows (.bmp), como hace &quot;Guardar
              imagen&quot;
  csv samples|spectrum
              las muestras o el espectro como CSV (menú &quot;Exportar&quot;): una línea
              de cabecera, luego índice, tiempo (s) o frecuencia (Hz), parte
              real, imaginaria y módulo por punto; las muestras tienen parte
              imaginaria 0
  spectrogram FILE OUT.png
              el espectrograma de todo el archivo de sonido FILE (menú
              &quot;Espectrograma...&quot; de la ventana de archivos brutos, luego
              &quot;Exportar PNG&quot;): tiempo en horizontal, frecuencia hacia arriba,
              niveles de -120 a 0 dB del fondo de escala; como máximo 4096
              columnas, cada una la media de las tramas que cubre; con
              --worksheet la imagen para una hoja de trabajo (ejes,
              título, leyenda de colores en dB)
  csv spectrogram FILE
              las tramas del espectrograma como CSV: una línea de cabecera,
              luego, por trama, su tiempo central (s) y el nivel en dB de los
              puntos 0 .. trama/2
  nmr DATOS csv|peaks|SALIDA.png|SALIDA.svg|SALIDA.pdf
              un espectro de RMN a partir del FID en DATOS (carpeta de un
              experimento o archivo JCAMP-DX) con sus parámetros guardados:
              csv da ppm, real, imaginaria por punto, ppm más alto primero;
              peaks da ppm, Hz, altura; --lb HZ, --gb FRACCIÓN (gaussiana, con
              --lb negativo), --si N, --phc0 GRADOS, --phc1 GRADOS,
              --auto-phase, --worksheet los cambian
  wav FILE    el sonido de &quot;Guardar f(t) como sonido...&quot; escrito en FILE como
              archivo WAV mono de 16 bits (tras todas las opciones): una onda
              calculada sintetizada a 44100 Hz durante --seconds, o las
              muestras transferidas de --raw a la frecuencia del archivo; con
              entrada y salida suaves de 10 ms, pico en 0.8 del fondo de escala
  play        &quot;Reproducir f(t)&quot;: el mismo sonido reproducido en la salida de
              sonido predeterminada; termina cuando se ha reproducido. Sin
              servidor de sonido ni dispositivo de salida: un mensaje en la
              salida de error y estado de salida 1
  controls [WINDOW]
              el índice de los controles de las ventanas, leído de sus tablas:
              una línea por control con su tipo, título, los eventos a los que
              responde y sus manejadores (todas las ventanas, o la indicada,
              p. ej. Form1); no admite opciones

Opciones, aplicadas en este orden:
  --raw FILE        analizar un sonido: abrir FILE (bytes de 8 bits cuando el
                    nombre termina en &quot;.raw&quot;; si no, un archivo de sonido
                    reconocido por su contenido: WAV, FLAC, Ogg, AIFF, ...; solo
                    se lee) en la ventana de archivos brutos, escribir --fs,
                    arrastrar de la primera a la última muestra de --select y
                    pulsar &quot;Transferir&quot;
  --fs HZ           la frecuencia de muestreo del archivo, de 1 a 1000000
                    (si no se da: 22050 para un archivo &quot;.raw&quot;, la frecuencia
                    propia del archivo para un archivo de sonido)
  --channels C      un archivo de sonido de varios canales da su primer canal
                    (C = first, lo predeterminado) o la media de los canales
                    (mean)
  --listen S        analizar un sonido de la entrada predeterminada: grabar S
                    segundos (0.1 a 10) en la ventana de archivos brutos
                    (&quot;Grabar&quot;), arrastrar sobre --select (por defecto toda la
                    grabación) y pulsar &quot;Transferir&quot;; sin entrada: un mensaje y
                    estado de salida 1
  --select F,L      las muestras arrastradas: L - F puntos seleccionados, de
                    los que se transfiere una potencia de dos de 1024 a 16384
  --params FILE     partir de los parámetros iniciales de FILE (32 valores: N,
                    ciclos, luego a, b y fase de diez filas de ondas). FILE
                    solo se lee: la ventana trabaja sobre una copia.
  --wave KIND       tipo de función: multiple (menú &quot;Ondas múltiples&quot;), o
                    sine, square, triangular (menú &quot;Ondas simples&quot;, luego el
                    botón de opción de la onda); lo predeterminado son las
                    ondas múltiples
  --cos             la suma de ondas múltiples con cosenos (opción &quot;Cos&quot;)
  --cycles X        el campo &quot;Número de ciclos (por segundo)&quot;
  --phase X         la fase de una onda simple, en radianes
                    (tras --cos, --cycles o --phase: &quot;Ambos&quot; recalcula)
  --method M        realft (&quot;Mediante REALFT&quot;, lo predeterminado) o complex
                    (&quot;Partes imaginarias iguales a cero&quot;)
  --window W        la función ventana (menú &quot;Ventana&quot;) que pondera la
                    ventana de datos antes de la transformada: rect
                    (&quot;Rectangular&quot;, lo predeterminado), hann, hamming,
                    blackman o flattop (&quot;Flat top&quot;); samples sigue
                    imprimiendo f(t) sin ponderar
  --negative        &quot;Mostrar también frecuencias negativas&quot; (requiere
                    --method complex)
  --show Q          lo que muestra el gráfico de la FFT: rho (lo
                    predeterminado), imag, real, realg (real con máximo global)
                    o both (&quot;Ambos, por separado&quot;)
  --halve K         pulsar &quot;Cambiar (*1/2)&quot; K veces (0 a 1000)
  --expand X1,X2    pulsar &quot;Horizontal&quot;, luego hacer clic con el botón derecho
                    en el gráfico de la FFT en X1 y en X2 (twips, 0 a 7665 a lo
                    ancho del gráfico)
  --scroll S        mover la barra de desplazamiento del gráfico expandido a S
                    (el primer punto mostrado; requiere --expand)
  --log             pulsar &quot;Log&quot;: la escala musical, sobre un teclado de piano
  --db              pulsar &quot;dB&quot;: el módulo en el gráfico FFT en decibelios
                    de su mayor valor, hasta -100 dB (las listas no cambian)
  --tuning S        &quot;Afinación - Sí&quot;, luego el control de afinación a S
                    décimas de semitono (-10 a 10; requiere --log)
  --svg             render: también los dibujos SVG
  --pdf             render: también las imágenes PDF
  --worksheet       render, spectrogram: las imágenes &quot;para una hoja de trabajo&quot;
  --percent         render --worksheet: espectros en porcentaje del mayor
  --zoom PERCENT    render: los gráficos de la ventana al 100, 125, 150 o 200 %
  --axes            render: f(t) y el gráfico de la FFT con ejes (menú &quot;Ver&quot;)
  --frame N         spectrogram: puntos por trama, una potencia de dos de 256
                    a 16384 (por defecto 2048), con ventana de Hann
  --hop N           spectrogram: puntos de una trama a la siguiente, de 1 a la
                    trama (por defecto un cuarto de la trama); con --fs (la
                    frecuencia de un archivo &quot;.raw&quot;, 22050 por defecto) y
                    --channels
  --seconds S       wav y play: la duración del sonido de una onda calculada,
                    de 0.1 a 60 segundos (2 si no se da)
  -h, --help        imprimir esta ayuda y terminar
  --                lo que sigue no es una opción: un archivo cuyo nombre
                    empieza por -

Una opción también puede escribirse --nombre=valor.

Estado de salida: 0 cuando la ventana no mostró ningún mensaje; 1 cuando lo
mostró (cada mensaje se imprime en la salida de error, después de la lista),
cuando un control pedido no se puede usar en el estado alcanzado (una entrada
de menú desactivada, una barra de desplazamiento oculta), o cuando la salida no
se puede escribir (un disco lleno, una salida cerrada); 2 para un error de uso
o un archivo de parámetros iniciales que no se puede usar (una línea en la
salida de error, ninguna lista).
</translation>
    </message>
</context>
<context>
    <name>Filters</name>
    <message>
        <source>Sound Wave Files (*.raw)|*.raw|Sound files (*.raw *.wav *.flac *.ogg *.oga *.opus *.aif *.aiff *.au *.snd *.caf *.w64 *.rf64 *.voc *.mat *.sd2 *.iff *.svx *.nist *.sph *.htk *.avr *.pvf *.xi *.paf *.wve *.mpc)|*.raw;*.wav;*.flac;*.ogg;*.oga;*.opus;*.aif;*.aiff;*.au;*.snd;*.caf;*.w64;*.rf64;*.voc;*.mat;*.sd2;*.iff;*.svx;*.nist;*.sph;*.htk;*.avr;*.pvf;*.xi;*.paf;*.wve;*.mpc|All files (*)|*</source>
        <translation>Archivos de onda sonora (*.raw)|*.raw|Archivos de sonido (*.raw *.wav *.flac *.ogg *.oga *.opus *.aif *.aiff *.au *.snd *.caf *.w64 *.rf64 *.voc *.mat *.sd2 *.iff *.svx *.nist *.sph *.htk *.avr *.pvf *.xi *.paf *.wve *.mpc)|*.raw;*.wav;*.flac;*.ogg;*.oga;*.opus;*.aif;*.aiff;*.au;*.snd;*.caf;*.w64;*.rf64;*.voc;*.mat;*.sd2;*.iff;*.svx;*.nist;*.sph;*.htk;*.avr;*.pvf;*.xi;*.paf;*.wve;*.mpc|Todos los archivos (*)|*</translation>
    </message>
    <message>
        <source>Image Files (Bitmaps)(*.bmp)|*.bmp</source>
        <translation>Archivos de imagen (mapas de bits)(*.bmp)|*.bmp</translation>
    </message>
    <message>
        <source>CSV files|*.csv</source>
        <translation>Archivos CSV|*.csv</translation>
    </message>
    <message>
        <source>Text files|*.txt</source>
        <translation>Archivos de texto|*.txt</translation>
    </message>
    <message>
        <source>PNG images|*.png</source>
        <translation>Imágenes PNG|*.png</translation>
    </message>
    <message>
        <source>SVG drawings|*.svg</source>
        <translation>Dibujos SVG|*.svg</translation>
    </message>
    <message>
        <source>WAV sound files|*.wav</source>
        <translation>Archivos de sonido WAV|*.wav</translation>
    </message>
    <message>
        <source>PDF documents|*.pdf</source>
        <translation>Documentos PDF|*.pdf</translation>
    </message>
    <message>
        <source>NMR data (fid, acqus, JCAMP-DX)|fid;acqus;*.dx;*.jdx;*.jcamp|All files|*</source>
        <translation>Datos de RMN (fid, acqus, JCAMP-DX)|fid;acqus;*.dx;*.jdx;*.jcamp|Todos los archivos|*</translation>
    </message>
    <message>
        <source>PNG images|*.png|SVG drawings|*.svg|PDF documents|*.pdf</source>
        <translation>Imágenes PNG|*.png|Dibujos SVG|*.svg|Documentos PDF|*.pdf</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Frequency of File .raw</source>
        <translation>Frecuencia del archivo .raw</translation>
    </message>
    <message>
        <source>Lin</source>
        <translation>Lin</translation>
    </message>
    <message>
        <source>Panoramic</source>
        <translation>Panorámico</translation>
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
        <translation>Afinación - No</translation>
    </message>
    <message>
        <source>Tuning - On</source>
        <translation>Afinación - Sí</translation>
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
        <translation>Fijar</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Frequency of the File *.raw</source>
        <translation>Frecuencia del archivo *.raw</translation>
    </message>
    <message>
        <source>Invert</source>
        <translation>Invertir</translation>
    </message>
    <message>
        <source>Type here the desired value</source>
        <translation>Escriba aquí el valor deseado</translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation>Número de ciclos (por segundo)</translation>
    </message>
    <message>
        <source> Press the right button of the mouse and drag it! </source>
        <translation> ¡Pulse el botón derecho del ratón y arrástrelo! </translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Both</source>
        <translation>Ambos</translation>
    </message>
    <message>
        <source>Both, separately</source>
        <translation>Ambos, por separado</translation>
    </message>
    <message>
        <source>Calculate and plot again f(t) and FFT graphs</source>
        <translation>Calcular y trazar de nuevo los gráficos de f(t) y de la FFT</translation>
    </message>
    <message>
        <source>Calculate and plot again f(t) graph</source>
        <translation>Calcular y trazar de nuevo el gráfico de f(t)</translation>
    </message>
    <message>
        <source>Calculate and plot again the Fourier transform graph</source>
        <translation>Calcular y trazar de nuevo el gráfico de la transformada de Fourier</translation>
    </message>
    <message>
        <source>Calculating imaginary parts (only for calculated waves)</source>
        <translation>Calculando las partes imaginarias (solo para ondas calculadas)</translation>
    </message>
    <message>
        <source>Cancel all expansions</source>
        <translation>Cancelar todas las expansiones</translation>
    </message>
    <message>
        <source>Cancel expansions</source>
        <translation>Cancelar expansiones</translation>
    </message>
    <message>
        <source>Cancel modifications in the number of points</source>
        <translation>Cancelar las modificaciones del número de puntos</translation>
    </message>
    <message>
        <source>Change (*1/2)</source>
        <translation>Cambiar (*1/2)</translation>
    </message>
    <message>
        <source>Change scales of FFT graph</source>
        <translation>Cambiar las escalas del gráfico de la FFT</translation>
    </message>
    <message>
        <source>Cos</source>
        <translation>Cos</translation>
    </message>
    <message>
        <source>Create bitmap of the FFT graph</source>
        <translation>Crear mapa de bits del gráfico de la FFT</translation>
    </message>
    <message>
        <source>Data extension in seconds</source>
        <translation>Extensión de los datos en segundos</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Mostrar</translation>
    </message>
    <message>
        <source>Divide the height of peaks by two</source>
        <translation>Dividir la altura de los picos por dos</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Expansion</source>
        <translation>Expansión</translation>
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
        <translation>Gráfico de la FFT como PNG...</translation>
    </message>
    <message>
        <source>FFT graph as SVG...</source>
        <translation>Gráfico de la FFT como SVG...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Files  *.raw...</source>
        <translation>Archivos  *.raw...</translation>
    </message>
    <message>
        <source>Function to be analysed</source>
        <translation>Función a analizar</translation>
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
        <translation>Gráfico de la Transformada de Fourier  ( FFT)</translation>
    </message>
    <message>
        <source>Graph of the Original function</source>
        <translation>Gráfico de la función original</translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation>Armónicos</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Imaginary (i)</source>
        <translation>Imaginaria (i)</translation>
    </message>
    <message>
        <source>Imaginary parts set to zero (only for calculated waves)</source>
        <translation>Partes imaginarias iguales a cero (solo para ondas calculadas)</translation>
    </message>
    <message>
        <source>Initial configuration</source>
        <translation>Configuración inicial</translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation>Inversa</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Línea</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Multiple waves</source>
        <translation>Ondas múltiples</translation>
    </message>
    <message>
        <source>Multiply the height of peaks by 2</source>
        <translation>Multiplicar la altura de los picos por 2</translation>
    </message>
    <message>
        <source>Musical analysis</source>
        <translation>Análisis musical</translation>
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
        <translation>Número de puntos en la ventana</translation>
    </message>
    <message>
        <source>Nyquist</source>
        <translation>Nyquist</translation>
    </message>
    <message>
        <source>Only FFT</source>
        <translation>Solo FFT</translation>
    </message>
    <message>
        <source>Only f(t)</source>
        <translation>Solo f(t)</translation>
    </message>
    <message>
        <source>PNG at double resolution</source>
        <translation>PNG a doble resolución</translation>
    </message>
    <message>
        <source>Phase</source>
        <translation>Fase</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Print FFT graph</source>
        <translation>Imprimir gráfico de la FFT</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Raw data renewal</source>
        <translation>Renovar datos brutos</translation>
    </message>
    <message>
        <source>Real (r)</source>
        <translation>Real (r)</translation>
    </message>
    <message>
        <source>Real with global maximum (r)</source>
        <translation>Real con máximo global (r)</translation>
    </message>
    <message>
        <source>Reduce to one half the number of points, and complement the window with zeros</source>
        <translation>Reducir a la mitad el número de puntos y completar la ventana con ceros</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Report as text...</source>
        <translation>Informe como texto...</translation>
    </message>
    <message>
        <source>Samples as CSV...</source>
        <translation>Muestras como CSV...</translation>
    </message>
    <message>
        <source>Show Only positive frequencies</source>
        <translation>Mostrar solo frecuencias positivas</translation>
    </message>
    <message>
        <source>Show also negative frequencies</source>
        <translation>Mostrar también frecuencias negativas</translation>
    </message>
    <message>
        <source>Simple wave to be analysed</source>
        <translation>Onda simple a analizar</translation>
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
        <translation>Onda sinusoidal</translation>
    </message>
    <message>
        <source>Spectrum as CSV...</source>
        <translation>Espectro como CSV...</translation>
    </message>
    <message>
        <source>Splash</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Splash observe</source>
        <translation>Ver presentación</translation>
    </message>
    <message>
        <source>Square wave</source>
        <translation>Onda cuadrada</translation>
    </message>
    <message>
        <source>Start horizontal expansion process</source>
        <translation>Iniciar la expansión horizontal</translation>
    </message>
    <message>
        <source>Through REALFT</source>
        <translation>Mediante REALFT</translation>
    </message>
    <message>
        <source>Total number of points in f(t) graph</source>
        <translation>Total de puntos en el gráfico de f(t)</translation>
    </message>
    <message>
        <source>Triangular wave</source>
        <translation>Onda triangular</translation>
    </message>
    <message>
        <source>Try it!</source>
        <translation>¡Pruébelo!</translation>
    </message>
    <message>
        <source>Type the desired value</source>
        <translation>Escriba el valor deseado</translation>
    </message>
    <message>
        <source>Use the slider to move the graph of 1/10 of a semitone for each unity of the slider.</source>
        <translation>Use el control deslizante para mover el gráfico 1/10 de semitono por cada unidad del control.</translation>
    </message>
    <message>
        <source>Vector Rho = (r2+i2)^(1/2)</source>
        <translation>Vector Rho = (r2+i2)^(1/2)</translation>
    </message>
    <message>
        <source>Waves</source>
        <translation>Ondas</translation>
    </message>
    <message>
        <source>Window Width (seconds):</source>
        <translation>Ancho de la ventana (segundos):</translation>
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
        <translation>f(t) = +1 si sen(2πνt + φ) ≥ 0, si no −1</translation>
    </message>
    <message>
        <source>f(t) = sin(2πνt + φ)</source>
        <translation>f(t) = sen(2πνt + φ)</translation>
    </message>
    <message>
        <source>f(t) = triangle between +1 and −1, phase φ</source>
        <translation>f(t) = triángulo entre +1 y −1, fase φ</translation>
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
        <translation>Reproducir f(t)</translation>
    </message>
    <message>
        <source>Play recovered function</source>
        <translation>Reproducir la función recuperada</translation>
    </message>
    <message>
        <source>Run &quot;Inverse&quot; first: the recovered function is what it gives.</source>
        <translation>Ejecute primero &quot;Inversa&quot;: la función recuperada es lo que esta produce.</translation>
    </message>
    <message>
        <source>Save f(t) as sound...</source>
        <translation>Guardar f(t) como sonido...</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound length</source>
        <translation>Duración del sonido</translation>
    </message>
    <message>
        <source>Strongest peak: none (silence)</source>
        <translation>Pico más fuerte: ninguno (silencio)</translation>
    </message>
    <message>
        <source>Strongest peak: %1</source>
        <translation>Pico más fuerte: %1</translation>
    </message>
    <message>
        <source>%1 Hz is above %2 Hz and appears at %3 Hz; see Help: Nyquist</source>
        <translation>%1 Hz está por encima de %2 Hz y aparece en %3 Hz; vea Ayuda: Nyquist</translation>
    </message>
    <message>
        <source>%1 Hz is at %2 Hz and appears at %3 Hz; see Help: Nyquist</source>
        <translation>%1 Hz está en %2 Hz y aparece en %3 Hz; vea Ayuda: Nyquist</translation>
    </message>
    <message>
        <source> (and 1 more row)</source>
        <translation> (y 1 fila más)</translation>
    </message>
    <message>
        <source> (and %1 more rows)</source>
        <translation> (y %1 filas más)</translation>
    </message>
    <message>
        <source>Listening...</source>
        <translation>Escuchando...</translation>
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
        <translation>Conservar el último espectro mostrado, como datos brutos</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Rectangular</source>
        <translation>Rectangular</translation>
    </message>
    <message>
        <source>Samples analysed</source>
        <translation>Muestras analizadas</translation>
    </message>
    <message>
        <source>Show the spectrum of the sound input as it comes</source>
        <translation>Mostrar el espectro de la entrada de sonido a medida que llega</translation>
    </message>
    <message>
        <source>Stop listening</source>
        <translation>Dejar de escuchar</translation>
    </message>
    <message>
        <source>The number of the latest samples each spectrum of the live view analyses</source>
        <translation>El número de las muestras más recientes que analiza cada espectro de la vista en directo</translation>
    </message>
    <message>
        <source>Window</source>
        <translation>Ventana</translation>
    </message>
    <message>
        <source>FFT graph as PDF...</source>
        <translation>Gráfico de la FFT como PDF...</translation>
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
        <translation>Espectro en % del mayor, como en el informe</translation>
    </message>
    <message>
        <source>for a worksheet</source>
        <translation>para una hoja de trabajo</translation>
    </message>
    <message>
        <source>Keyboard cursor at %1.</source>
        <translation>Cursor del teclado en %1.</translation>
    </message>
    <message>
        <source>Choosing the region to expand: press Enter at each of its limits, or Escape to cancel.</source>
        <translation>Eligiendo la región a ampliar: pulse Intro en cada uno de sus límites, o Esc para cancelar.</translation>
    </message>
    <message>
        <source>The first limit is set.</source>
        <translation>El primer límite está marcado.</translation>
    </message>
    <message>
        <source>Enter places the harmonic markers at the cursor.</source>
        <translation>Intro coloca los marcadores de los armónicos en el cursor.</translation>
    </message>
    <message>
        <source>%1 samples</source>
        <translation>%1 muestras</translation>
    </message>
    <message>
        <source>Use the right button of the mouse to set the limits of the region to be expanded</source>
        <translation>Use el botón derecho del ratón para marcar los límites de la región que se va a expandir</translation>
    </message>
    <message>
        <source>No peaks.</source>
        <translation>Ningún pico.</translation>
    </message>
    <message>
        <source>Peaks, frequency and amplitude: %1.</source>
        <translation>Picos, frecuencia y amplitud: %1.</translation>
    </message>
    <message>
        <source>Nothing computed yet.</source>
        <translation>Aún no se ha calculado nada.</translation>
    </message>
    <message>
        <source>Sound file %1.</source>
        <translation>Archivo de sonido %1.</translation>
    </message>
    <message>
        <source>%1 with a, b, φ: %2, ν = %3 cycles per second.</source>
        <translation>%1 con a, b, φ: %2, ν = %3 ciclos por segundo.</translation>
    </message>
    <message>
        <source>%1 with φ = %2, ν = %3 cycles per second.</source>
        <translation>%1 con φ = %2, ν = %3 ciclos por segundo.</translation>
    </message>
    <message>
        <source>%1, ν = %2 cycles per second.</source>
        <translation>%1, ν = %2 ciclos por segundo.</translation>
    </message>
    <message>
        <source>%1 points over %2 seconds, values from %3 to %4.</source>
        <translation>%1 puntos en %2 segundos, valores de %3 a %4.</translation>
    </message>
    <message>
        <source>FFT graph</source>
        <translation>Gráfico de la FFT</translation>
    </message>
    <message>
        <source>The Fourier transform of f(t): %1</source>
        <translation>La transformada de Fourier de f(t): %1</translation>
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
        <translation>El espectro sobre un teclado de piano, en un eje de frecuencias logarítmico: %1</translation>
    </message>
    <message>
        <source>Real part</source>
        <translation>Parte real</translation>
    </message>
    <message>
        <source>The real parts (r) of the transform, one bar per frequency.</source>
        <translation>Las partes reales (r) de la transformada, una barra por frecuencia.</translation>
    </message>
    <message>
        <source>Imaginary part</source>
        <translation>Parte imaginaria</translation>
    </message>
    <message>
        <source>The imaginary parts (i) of the transform, one bar per frequency.</source>
        <translation>Las partes imaginarias (i) de la transformada, una barra por frecuencia.</translation>
    </message>
    <message>
        <source>A spectrum from a free induction decay, read or simulated</source>
        <translation>Un espectro a partir de un decaimiento de inducción libre, leído o simulado</translation>
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
        <translation>Exportación e impresión</translation>
    </message>
    <message>
        <source>Harmonic markers</source>
        <translation>Marcadores de armónicos</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Sound files and recording</source>
        <translation>Archivos y grabación</translation>
    </message>
    <message>
        <source>Sound menu</source>
        <translation>Menú Sonido</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Windows and aliasing</source>
        <translation>Ventanas y aliasing</translation>
    </message>
    <message>
        <source>Topics</source>
        <translation>Temas</translation>
    </message>
    <message>
        <source>At this size the window would not fit the screen</source>
        <translation>A este tamaño la ventana no cabría en la pantalla</translation>
    </message>
    <message>
        <source>Axes</source>
        <translation>Ejes</translation>
    </message>
    <message>
        <source>Normal size</source>
        <translation>Tamaño normal</translation>
    </message>
    <message>
        <source>Scales of time and amplitude on f(t), of value on the FFT graph</source>
        <translation>Escalas de tiempo y amplitud en f(t), de valor en el gráfico de la FFT</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Zoom in</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>dB</source>
        <translation>dB</translation>
    </message>
    <message>
        <source>Held: %1</source>
        <translation>Retenido: %1</translation>
    </message>
    <message>
        <source>Now: %1</source>
        <translation>Ahora: %1</translation>
    </message>
    <message>
        <source>Floor (dB):</source>
        <translation>Suelo (dB):</translation>
    </message>
    <message>
        <source>Hold spectrum</source>
        <translation>Retener espectro</translation>
    </message>
    <message>
        <source>Keep the spectrum shown as a grey trace under the next ones</source>
        <translation>Mantener el espectro mostrado como un trazo gris bajo los siguientes</translation>
    </message>
    <message>
        <source>Release</source>
        <translation>Liberar</translation>
    </message>
    <message>
        <source>Remove the held spectrum</source>
        <translation>Quitar el espectro retenido</translation>
    </message>
    <message>
        <source>Show the modulus in decibels of its largest value, down to the floor</source>
        <translation>Mostrar el módulo en decibelios de su mayor valor, hasta el suelo</translation>
    </message>
    <message>
        <source>The level drawn on the axis, a negative number of dB</source>
        <translation>El nivel dibujado sobre el eje, un número negativo de dB</translation>
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
        <translation>Aplicar ahora</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>FFT Quorbel - Opening Parameters</source>
        <translation>FFT Quorbel - Parámetros iniciales</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Function to be analysed</source>
        <translation>Función a analizar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation>Número de ciclos (por segundo)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>The FFT needs 1024 points (a power of two).</source>
        <translation>La FFT necesita 1024 puntos (una potencia de dos).</translation>
    </message>
    <message>
        <source>Total number of points</source>
        <translation>Número total de puntos</translation>
    </message>
    <message>
        <source>Use this form if you want to modify the parameters which are used when the program is opened. After introducing the desired modifications, choose one of the buttons below, as you prefer.</source>
        <translation>Use este formulario si desea modificar los parámetros que se usan al abrir el programa. Después de hacer las modificaciones deseadas, elija uno de los botones de abajo, según prefiera.</translation>
    </message>
    <message>
        <source>With another number of points f(t) is drawn but not transformed.</source>
        <translation>Con otro número de puntos, f(t) se traza pero no se transforma.</translation>
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
        <translation>FFT Quorbel - Ayuda</translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Maximum error=</source>
        <translation>Error máximo=</translation>
    </message>
    <message>
        <source>Maximum relative error=</source>
        <translation>Error relativo máximo=</translation>
    </message>
    <message>
        <source>undefined</source>
        <translation>indefinido</translation>
    </message>
    <message>
        <source>Table of all Points of  both Functions</source>
        <translation>Tabla de todos los puntos de  ambas funciones</translation>
    </message>
    <message>
        <source>Number of points: </source>
        <translation>Número de puntos: </translation>
    </message>
    <message>
        <source>Points of original function || Points of recovered function</source>
        <translation>Puntos de la función original || Puntos de la función recuperada</translation>
    </message>
    <message>
        <source>FFT Quorbel - Results of the inverse calculation</source>
        <translation>FFT Quorbel - Resultados del cálculo inverso</translation>
    </message>
    <message>
        <source>Original Function</source>
        <translation>Función original</translation>
    </message>
    <message>
        <source>Recovered Function</source>
        <translation>Función recuperada</translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>FFT Quorbel - Report</source>
        <translation>FFT Quorbel - Informe</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>FFT Quorbel - Files  *.raw</source>
        <translation>FFT Quorbel - Archivos  *.raw</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>Primer canal</translation>
    </message>
    <message>
        <source>Frequency of file .raw (modify by typing a new value if necessary):</source>
        <translation>Frecuencia del archivo .raw (modifíquela escribiendo un nuevo valor si hace falta):</translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation>Máximo:</translation>
    </message>
    <message>
        <source>Mean of the channels</source>
        <translation>Media de los canales</translation>
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
        <translation>Puntos en el archivo:</translation>
    </message>
    <message>
        <source>Points in the graph:</source>
        <translation>Puntos en el gráfico:</translation>
    </message>
    <message>
        <source>Selected points:</source>
        <translation>Puntos seleccionados:</translation>
    </message>
    <message>
        <source>Selection:</source>
        <translation>Selección:</translation>
    </message>
    <message>
        <source>Sound files with several channels: plot and transfer the first channel</source>
        <translation>Archivos de sonido con varios canales: trazar y transferir el primer canal</translation>
    </message>
    <message>
        <source>Sound files with several channels: plot and transfer the mean of all channels</source>
        <translation>Archivos de sonido con varios canales: trazar y transferir la media de todos los canales</translation>
    </message>
    <message>
        <source>The calculation will not produce good results with a number of points below  1024. Select a little bit larger region. </source>
        <translation>El cálculo no dará buenos resultados con un número de puntos inferior a  1024. Seleccione una región un poco mayor. </translation>
    </message>
    <message>
        <source>The frequency of the file must be a number of hertz from 1 to 1000000 (for example 22050). Type it in the box above and transfer again.</source>
        <translation>La frecuencia del archivo debe ser un número de hercios de 1 a 1000000 (por ejemplo 22050). Escríbala en el cuadro de arriba y vuelva a transferir.</translation>
    </message>
    <message>
        <source>To be transferred:</source>
        <translation>A transferir:</translation>
    </message>
    <message>
        <source>To perform the Fourier Transform calculation, a part of the graph must be selected. Just drag the mouse over the graph (from left to right), with the left button pressed.</source>
        <translation>Para realizar el cálculo de la Transformada de Fourier hay que seleccionar una parte del gráfico. Basta con arrastrar el ratón sobre el gráfico (de izquierda a derecha) con el botón izquierdo pulsado.</translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation>Transferir</translation>
    </message>
    <message>
        <source>Transfer selected points for FFT calculations</source>
        <translation>Transferir los puntos seleccionados para los cálculos de la FFT</translation>
    </message>
    <message>
        <source>Use the menu &quot;Open&quot; to plot the data of some file *.raw.Then select the part of the graph which will be used to make the Fourier Transform calculation.</source>
        <translation>Use el menú &quot;Abrir&quot; para trazar los datos de algún archivo *.raw. Después seleccione la parte del gráfico que se usará en el cálculo de la Transformada de Fourier.</translation>
    </message>
    <message>
        <source>From %1 s: samples %2 to %3 of %4</source>
        <translation>Desde %1 s: muestras %2 a %3 de %4</translation>
    </message>
    <message>
        <source>Samples %1 to %2 of %3</source>
        <translation>Muestras %1 a %2 de %3</translation>
    </message>
    <message>
        <source>The file holds only %1 sample: the calculation needs at least 1024. Open a longer file.</source>
        <translation>El archivo contiene solo %1 muestra: el cálculo necesita al menos 1024. Abra un archivo más largo.</translation>
    </message>
    <message>
        <source>The file holds only %1 samples: the calculation needs at least 1024. Open a longer file.</source>
        <translation>El archivo contiene solo %1 muestras: el cálculo necesita al menos 1024. Abra un archivo más largo.</translation>
    </message>
    <message>
        <source>The selection starts at point %1, past the end of the graph&apos;s %2 points. Drag over the graph from left to right, with the left button pressed.</source>
        <translation>La selección empieza en el punto %1, más allá del final de los %2 puntos del gráfico. Arrastre sobre el gráfico de izquierda a derecha, con el botón izquierdo pulsado.</translation>
    </message>
    <message>
        <source>Spectrogram...</source>
        <translation>Espectrograma...</translation>
    </message>
    <message>
        <source>Which part of the file the graph shows</source>
        <translation>Qué parte del archivo muestra el gráfico</translation>
    </message>
    <message>
        <source>Calculating FFT...</source>
        <translation>Calculando la FFT...</translation>
    </message>
    <message>
        <source>Plotting FFT graph...</source>
        <translation>Trazando el gráfico de la FFT...</translation>
    </message>
    <message>
        <source>Recording...</source>
        <translation>Grabando...</translation>
    </message>
    <message>
        <source>Transferring data...</source>
        <translation>Transfiriendo datos...</translation>
    </message>
    <message>
        <source>Plotting graph of the function...</source>
        <translation>Trazando el gráfico de la función...</translation>
    </message>
    <message>
        <source>Length of the recording, seconds (at most 34000 samples at the input&apos;s rate)</source>
        <translation>Duración de la grabación, en segundos (como máximo 34000 muestras a la frecuencia de la entrada)</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Grabar</translation>
    </message>
    <message>
        <source>Record the sound input for the seconds typed beside, and plot it</source>
        <translation>Grabar la entrada de sonido durante los segundos escritos al lado y trazarla</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>Graph of the file</source>
        <translation>Gráfico del archivo</translation>
    </message>
    <message>
        <source>No file opened yet.</source>
        <translation>Todavía no se ha abierto ningún archivo.</translation>
    </message>
    <message>
        <source>%1: %2 points shown of the file&apos;s %3.</source>
        <translation>%1: %2 puntos mostrados de los %3 del archivo.</translation>
    </message>
    <message>
        <source>Selected: points %1 to %2, %3 points, %4 to be transferred.</source>
        <translation>Seleccionados: puntos %1 a %2, %3 puntos, %4 a transferir.</translation>
    </message>
    <message>
        <source>Nothing selected: press Enter at each end of a stretch.</source>
        <translation>Nada seleccionado: pulse Intro en cada extremo de un tramo.</translation>
    </message>
    <message>
        <source>Keyboard cursor at point %1.</source>
        <translation>Cursor del teclado en el punto %1.</translation>
    </message>
    <message>
        <source>The selection starts at point %1: press Enter at its other end, or Escape to cancel.</source>
        <translation>La selección empieza en el punto %1: pulse Intro en el otro extremo, o Esc para cancelar.</translation>
    </message>
    <message>
        <source>(recording)</source>
        <translation>(grabación)</translation>
    </message>
    <message>
        <source>The recording has one channel.</source>
        <translation>La grabación tiene un canal.</translation>
    </message>
    <message>
        <source>The file has one channel.</source>
        <translation>El archivo tiene un canal.</translation>
    </message>
    <message>
        <source>The file has %1 channels: the first is analysed.</source>
        <translation>El archivo tiene %1 canales: se analiza el primero.</translation>
    </message>
    <message>
        <source>The file has %1 channels: their mean is analysed.</source>
        <translation>El archivo tiene %1 canales: se analiza su media.</translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Example</source>
        <translation>Ejemplo</translation>
    </message>
    <message>
        <source>FFT Quorbel - Help</source>
        <translation>FFT Quorbel - Ayuda</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>FFT Quorbel - Bitmap creating</source>
        <translation>FFT Quorbel - Creación de mapa de bits</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Save image</source>
        <translation>Guardar imagen</translation>
    </message>
</context>
<context>
    <name>FormLessons</name>
    <message>
        <source>Student view</source>
        <translation>Vista del alumno</translation>
    </message>
    <message>
        <source>Teacher preview</source>
        <translation>Vista previa del profesor</translation>
    </message>
    <message>
        <source>A lesson folder of your own, or its lesson.txt</source>
        <translation>Una carpeta de lección propia, o su lesson.txt</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Check</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Copy window state as lesson lines</source>
        <translation>Copiar estado como lección</translation>
    </message>
    <message>
        <source>FFT Quorbel - Lessons</source>
        <translation>FFT Quorbel - Lecciones</translation>
    </message>
    <message>
        <source>Lessons</source>
        <translation>Lecciones</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Open a lesson...</source>
        <translation>Abrir una lección...</translation>
    </message>
    <message>
        <source>Put the main window back as this step set it</source>
        <translation>Devolver la ventana principal al estado que fijó este paso</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Restore this step</source>
        <translation>Restaurar este paso</translation>
    </message>
    <message>
        <source>Show the answers and every step</source>
        <translation>Mostrar las respuestas y todos los pasos</translation>
    </message>
    <message>
        <source>Start this lesson again from its first step</source>
        <translation>Empezar esta lección de nuevo desde el primer paso</translation>
    </message>
    <message>
        <source>Steps</source>
        <translation>Pasos</translation>
    </message>
    <message>
        <source>The main window&apos;s settings, as the lines of a lesson&apos;s step</source>
        <translation>Los ajustes de la ventana principal, como las líneas de un paso de lección</translation>
    </message>
    <message>
        <source>Your answer</source>
        <translation>Su respuesta</translation>
    </message>
    <message>
        <source>Lesson (lesson.txt)</source>
        <translation>Lección (lesson.txt)</translation>
    </message>
    <message>
        <source>The main window&apos;s state is on the clipboard:</source>
        <translation>El estado de la ventana principal está en el portapapeles:</translation>
    </message>
    <message>
        <source>predict</source>
        <translation>predecir</translation>
    </message>
    <message>
        <source>observe</source>
        <translation>observar</translation>
    </message>
    <message>
        <source>your turn</source>
        <translation>su turno</translation>
    </message>
    <message>
        <source>question</source>
        <translation>pregunta</translation>
    </message>
    <message>
        <source>%1 (broken: %2)</source>
        <translation>%1 (con errores: %2)</translation>
    </message>
    <message>
        <source>Choose a lesson in the list.</source>
        <translation>Elija una lección de la lista.</translation>
    </message>
    <message>
        <source>(about %1 minutes)</source>
        <translation>(unos %1 minutos)</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Resumen</translation>
    </message>
    <message>
        <source>Step %1 of %2: %3</source>
        <translation>Paso %1 de %2: %3</translation>
    </message>
    <message>
        <source>Look at: %1</source>
        <translation>Mire: %1</translation>
    </message>
    <message>
        <source>Answer: %1</source>
        <translation>Respuesta: %1</translation>
    </message>
    <message>
        <source>Done: press Next.</source>
        <translation>Listo: pulse Siguiente.</translation>
    </message>
    <message>
        <source>Still to set:</source>
        <translation>Falta ajustar:</translation>
    </message>
</context>
<context>
    <name>FormNmr</name>
    <message>
        <source>Open an experiment or press &quot;Simulate&quot; for a FID made from lines.</source>
        <translation>Abra un experimento o pulse &quot;Simular&quot; para un FID hecho de líneas.</translation>
    </message>
    <message>
        <source>Pivot: %1 ppm</source>
        <translation>Pivote: %1 ppm</translation>
    </message>
    <message>
        <source>%1: %2 complex points at %3 Hz (SW), SF %4 MHz, SI %5.</source>
        <translation>%1: %2 puntos complejos a %3 Hz (SW), SF %4 MHz, SI %5.</translation>
    </message>
    <message>
        <source>The first %1 points are near zero: the digital filter delays the signal, removed as a linear phase.</source>
        <translation>Los primeros %1 puntos son casi cero: el filtro digital retrasa la señal, lo que se elimina como una fase lineal.</translation>
    </message>
    <message>
        <source>δ %1 ppm, %2 Hz, intensity %3</source>
        <translation>δ %1 ppm, %2 Hz, intensidad %3</translation>
    </message>
    <message>
        <source>Cursors %1 and %2 ppm: Δδ %3 ppm, Δν %4 Hz</source>
        <translation>Cursores %1 y %2 ppm: Δδ %3 ppm, Δν %4 Hz</translation>
    </message>
    <message>
        <source>Peak at %1 ppm: width at half height %2 Hz</source>
        <translation>Pico en %1 ppm: anchura a media altura %2 Hz</translation>
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
        <translation>De %1 a %2 ppm; %3 picos; el más intenso en %4</translation>
    </message>
    <message>
        <source>FID</source>
        <translation>FID</translation>
    </message>
    <message>
        <source>Apply the parameters typed</source>
        <translation>Aplicar los parámetros escritos</translation>
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
        <translation>Borrar marcas</translation>
    </message>
    <message>
        <source>Click a peak to give it the reference value</source>
        <translation>Haga clic en un pico para darle el valor de referencia</translation>
    </message>
    <message>
        <source>Click two peaks: their distance in ppm and in hertz</source>
        <translation>Haga clic en dos picos: su distancia en ppm y en hercios</translation>
    </message>
    <message>
        <source>Click where the first-order phase turns about</source>
        <translation>Haga clic donde gira la fase de primer orden</translation>
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
        <translation>Arrastre sobre un multiplete para integrarlo</translation>
    </message>
    <message>
        <source>Drag across a part to expand it</source>
        <translation>Arrastre sobre una parte para ampliarla</translation>
    </message>
    <message>
        <source>Drag across a part with no signal</source>
        <translation>Arrastre sobre una parte sin señal</translation>
    </message>
    <message>
        <source>Each region: its ppm range and its hydrogens</source>
        <translation>Cada región: su intervalo en ppm y sus hidrógenos</translation>
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
        <translation>Fase de primer orden sobre todo el espectro, grados</translation>
    </message>
    <message>
        <source>Flat baseline</source>
        <translation>Línea base plana</translation>
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
        <translation>Máximo de la gaussiana como fracción (0 a 1) del FID</translation>
    </message>
    <message>
        <source>Hydrogens of the first region: the others follow</source>
        <translation>Hidrógenos de la primera región: las demás siguen</translation>
    </message>
    <message>
        <source>Integrals</source>
        <translation>Integrales</translation>
    </message>
    <message>
        <source>Integrate</source>
        <translation>Integrar</translation>
    </message>
    <message>
        <source>Integrate above a polynomial fitted outside the regions</source>
        <translation>Integrar sobre un polinomio ajustado fuera de las regiones</translation>
    </message>
    <message>
        <source>Integrate from zero</source>
        <translation>Integrar desde cero</translation>
    </message>
    <message>
        <source>LB (Hz):</source>
        <translation>LB (Hz):</translation>
    </message>
    <message>
        <source>Let the program find the phases that make every line absorptive</source>
        <translation>Dejar que el programa encuentre las fases que hacen absortivas todas las líneas</translation>
    </message>
    <message>
        <source>Line broadening in hertz</source>
        <translation>Ensanchamiento de línea en hercios</translation>
    </message>
    <message>
        <source>Mouse on the spectrum</source>
        <translation>Ratón sobre el espectro</translation>
    </message>
    <message>
        <source>No apodization: the FID as acquired</source>
        <translation>Sin apodización: el FID tal como se adquirió</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruido</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Open an experiment folder&apos;s fid or acqus file, or a JCAMP-DX file</source>
        <translation>Abrir el archivo fid o acqus de la carpeta de un experimento, o un archivo JCAMP-DX</translation>
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
        <translation>El pico pulsado es (ppm):</translation>
    </message>
    <message>
        <source>Peaks: ppm, Hz, height</source>
        <translation>Picos: ppm, Hz, altura</translation>
    </message>
    <message>
        <source>Picture...</source>
        <translation>Imagen...</translation>
    </message>
    <message>
        <source>Pivot</source>
        <translation>Pivote</translation>
    </message>
    <message>
        <source>Points (SI):</source>
        <translation>Puntos (SI):</translation>
    </message>
    <message>
        <source>Polynomial baseline</source>
        <translation>Línea base polinómica</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Procesar</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesamiento</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referencia</translation>
    </message>
    <message>
        <source>Reference value: tetramethylsilane, 0 ppm</source>
        <translation>Valor de referencia: tetrametilsilano, 0 ppm</translation>
    </message>
    <message>
        <source>Reference value: the DMSO left in DMSO-d₆, 2.50 ppm</source>
        <translation>Valor de referencia: el DMSO residual en DMSO-d₆, 2,50 ppm</translation>
    </message>
    <message>
        <source>Reference value: the chloroform left in CDCl₃, 7.26 ppm</source>
        <translation>Valor de referencia: el cloroformo residual en CDCl₃, 7,26 ppm</translation>
    </message>
    <message>
        <source>Region 1 is (H):</source>
        <translation>La región 1 es (H):</translation>
    </message>
    <message>
        <source>Remove the integrals, the noise region and the cursors</source>
        <translation>Quitar las integrales, la región de ruido y los cursores</translation>
    </message>
    <message>
        <source>Save the spectrum as CSV: ppm, real, imaginary</source>
        <translation>Guardar el espectro como CSV: ppm, real, imaginaria</translation>
    </message>
    <message>
        <source>Save the spectrum as shown: PNG, SVG or PDF</source>
        <translation>Guardar el espectro tal como se muestra: PNG, SVG o PDF</translation>
    </message>
    <message>
        <source>Show the whole spectrum again</source>
        <translation>Mostrar de nuevo el espectro entero</translation>
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
        <translation>Los picos del espectro, los más intensos primero</translation>
    </message>
    <message>
        <source>The value a peak clicked in Reference mode gets</source>
        <translation>El valor que recibe un pico pulsado en el modo Referencia</translation>
    </message>
    <message>
        <source>Turn the first-order phase about the pivot: the pivot&apos;s phase stays put</source>
        <translation>Girar la fase de primer orden alrededor del pivote: la fase del pivote no cambia</translation>
    </message>
    <message>
        <source>Turn the zero-order phase</source>
        <translation>Girar la fase de orden cero</translation>
    </message>
    <message>
        <source>Whole spectrum</source>
        <translation>Espectro entero</translation>
    </message>
    <message>
        <source>Zero filling: complex points of the spectrum, a power of two</source>
        <translation>Relleno con ceros: puntos complejos del espectro, una potencia de dos</translation>
    </message>
    <message>
        <source>Zero-order phase, degrees</source>
        <translation>Fase de orden cero, grados</translation>
    </message>
    <message>
        <source>exp(-a·t - b·t²) with LB negative and GB the fraction of the acquisition time where it peaks: narrower lines</source>
        <translation>exp(-a·t - b·t²) con LB negativo y GB la fracción del tiempo de adquisición donde es máxima: líneas más estrechas</translation>
    </message>
    <message>
        <source>exp(-π·LB·t): broader lines, less noise (LB in Hz)</source>
        <translation>exp(-π·LB·t): líneas más anchas, menos ruido (LB en Hz)</translation>
    </message>
    <message>
        <source>δ (ppm)</source>
        <translation>δ (ppm)</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>Amplitud</translation>
    </message>
    <message>
        <source>T2 (s)</source>
        <translation>T2 (s)</translation>
    </message>
    <message>
        <source>Line width (Hz)</source>
        <translation>Ancho de línea (Hz)</translation>
    </message>
    <message>
        <source>J (Hz)</source>
        <translation>J (Hz)</translation>
    </message>
    <message>
        <source>%1 ppm, amplitude %2</source>
        <translation>%1 ppm, amplitud %2</translation>
    </message>
    <message>
        <source>T2 %1 s</source>
        <translation>T2 %1 s</translation>
    </message>
    <message>
        <source>%1 Hz wide</source>
        <translation>%1 Hz de ancho</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 líneas</translation>
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
        <translation>T2 = 1/(π·anchura) = %1 s</translation>
    </message>
    <message>
        <source>%1 MHz, carrier at %2 ppm: the spectrum spans %3 to %4 ppm.</source>
        <translation>%1 MHz, portadora en %2 ppm: el espectro va de %3 a %4 ppm.</translation>
    </message>
    <message>
        <source>simulated from the list of lines, noise %1</source>
        <translation>simulado a partir de la lista de líneas, ruido %1</translation>
    </message>
    <message>
        <source>A FID made from the lines in the list, with noise, to see what each step does</source>
        <translation>Un FID hecho de las líneas de la lista, con ruido, para ver qué hace cada paso</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Add the line typed to the list</source>
        <translation>Añadir a la lista la línea escrita</translation>
    </message>
    <message>
        <source>Amplitude:</source>
        <translation>Amplitud:</translation>
    </message>
    <message>
        <source>Chemical shift of the line, or of the multiplet&apos;s centre</source>
        <translation>Desplazamiento químico de la línea, o del centro del multiplete</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Complex points acquired: fewer points, a shorter acquisition time</source>
        <translation>Puntos complejos adquiridos: menos puntos, un tiempo de adquisición más corto</translation>
    </message>
    <message>
        <source>Coupling constant: the distance between the lines</source>
        <translation>Constante de acoplamiento: la distancia entre las líneas</translation>
    </message>
    <message>
        <source>Ethanol</source>
        <translation>Etanol</translation>
    </message>
    <message>
        <source>Height of the FID&apos;s start: the multiplet&apos;s lines share it</source>
        <translation>Altura del comienzo del FID: las líneas del multiplete se la reparten</translation>
    </message>
    <message>
        <source>J (Hz):</source>
        <translation>J (Hz):</translation>
    </message>
    <message>
        <source>Line width:</source>
        <translation>Ancho de línea:</translation>
    </message>
    <message>
        <source>Multiplet (s, d, t, q…):</source>
        <translation>Multiplete (s, d, t, q…):</translation>
    </message>
    <message>
        <source>Noise level:</source>
        <translation>Nivel de ruido:</translation>
    </message>
    <message>
        <source>Noise level</source>
        <translation>Nivel de ruido</translation>
    </message>
    <message>
        <source>Points:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Remove every line</source>
        <translation>Quitar todas las líneas</translation>
    </message>
    <message>
        <source>Remove the line chosen in the list, or the last one</source>
        <translation>Quitar la línea elegida en la lista, o la última</translation>
    </message>
    <message>
        <source>SW (Hz):</source>
        <translation>SW (Hz):</translation>
    </message>
    <message>
        <source>Simulated lines</source>
        <translation>Líneas simuladas</translation>
    </message>
    <message>
        <source>Spectral width: the sampling rate of the FID, hertz</source>
        <translation>Ancho espectral: la tasa de muestreo del FID, en hercios</translation>
    </message>
    <message>
        <source>Standard deviation of the noise of each FID point</source>
        <translation>Desviación estándar del ruido de cada punto del FID</translation>
    </message>
    <message>
        <source>The decay time T2, seconds: the width is 1/(π·T2)</source>
        <translation>El tiempo de decaimiento T2, en segundos: el ancho es 1/(π·T2)</translation>
    </message>
    <message>
        <source>The example&apos;s lines again: ethanol in CDCl₃ with TMS</source>
        <translation>Las líneas del ejemplo otra vez: etanol en CDCl₃ con TMS</translation>
    </message>
    <message>
        <source>The lines simulated; choose one to see it in the boxes</source>
        <translation>Las líneas simuladas; elija una para verla en las casillas</translation>
    </message>
    <message>
        <source>The width at half height, hertz</source>
        <translation>El ancho a media altura, en hercios</translation>
    </message>
    <message>
        <source>Width at half height in Hz, or the decay time T2 in s</source>
        <translation>Ancho a media altura en Hz, o el tiempo de decaimiento T2 en s</translation>
    </message>
    <message>
        <source>as T2 (s)</source>
        <translation>como T2 (s)</translation>
    </message>
    <message>
        <source>in Hz (FWHM)</source>
        <translation>en Hz (FWHM)</translation>
    </message>
    <message>
        <source>s, d, t, q, quint, sext, sept, or the number of lines: n equivalent neighbours give n + 1 lines</source>
        <translation>s, d, t, q, quint, sext, sept, o el número de líneas: n vecinos equivalentes dan n + 1 líneas</translation>
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
        <translation> - analizando...</translation>
    </message>
    <message>
        <source>%1: %2 Hz, %3 s, frames of %4 every %5 points</source>
        <translation>%1: %2 Hz, %3 s, tramas de %4 cada %5 puntos</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analizar</translation>
    </message>
    <message>
        <source>Analyse the file again with the frame and hop typed</source>
        <translation>Analizar de nuevo el archivo con la trama y el salto escritos</translation>
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
        <translation>Trama (puntos):</translation>
    </message>
    <message>
        <source>Frequency upward in octaves, beside a piano keyboard</source>
        <translation>Frecuencia hacia arriba en octavas, junto a un teclado de piano</translation>
    </message>
    <message>
        <source>Frequency upward on a scale of hertz, from 0 to half the sampling rate</source>
        <translation>Frecuencia hacia arriba en una escala de hercios, de 0 a la mitad de la frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Hop (points):</source>
        <translation>Salto (puntos):</translation>
    </message>
    <message>
        <source>Linear frequency</source>
        <translation>Frecuencia lineal</translation>
    </message>
    <message>
        <source>Musical (keyboard)</source>
        <translation>Musical (teclado)</translation>
    </message>
    <message>
        <source>Points from the start of one frame to the start of the next: 1 to the frame</source>
        <translation>Puntos del inicio de una trama al inicio de la siguiente: de 1 a la trama</translation>
    </message>
    <message>
        <source>Points of each transformed frame: a power of two from 256 to 16384</source>
        <translation>Puntos de cada trama transformada: una potencia de dos de 256 a 16384</translation>
    </message>
    <message>
        <source>Save the picture as shown as a PNG image</source>
        <translation>Guardar la imagen, tal como se muestra, en PNG</translation>
    </message>
    <message>
        <source>Show the whole sound again after a zoom into a stretch of it (Escape)</source>
        <translation>Mostrar de nuevo el sonido completo tras ampliar un tramo de él (Escape)</translation>
    </message>
    <message>
        <source>Whole sound</source>
        <translation>Sonido completo</translation>
    </message>
</context>
<context>
    <name>FormTopics</name>
    <message>
        <source>Exports and worksheets</source>
        <translation>Exportación e impresión</translation>
    </message>
    <message>
        <source>FFT Quorbel - Help</source>
        <translation>FFT Quorbel - Ayuda</translation>
    </message>
    <message>
        <source>Harmonic markers</source>
        <translation>Marcadores de armónicos</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>Sound files and recording</source>
        <translation>Archivos y grabación</translation>
    </message>
    <message>
        <source>Sound menu</source>
        <translation>Menú Sonido</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>Windows and aliasing</source>
        <translation>Ventanas y aliasing</translation>
    </message>
</context>
<context>
    <name>Graphs</name>
    <message>
        <source>frequency, (Hz)</source>
        <translation>frecuencia, (Hz)</translation>
    </message>
    <message>
        <source>Fourier Transform, F</source>
        <translation>Transformada de Fourier, F</translation>
    </message>
    <message>
        <source>Graph of Fourier Transform F(</source>
        <translation>Gráfico de la Transformada de Fourier F(</translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation>Frecuencia (Hz)</translation>
    </message>
    <message>
        <source>FFT-Imaginary Part</source>
        <translation>FFT-Parte imaginaria</translation>
    </message>
    <message>
        <source>FFT-Real Part</source>
        <translation>FFT-Parte real</translation>
    </message>
    <message>
        <source>Time (s)</source>
        <translation>Tiempo (s)</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source> an integer value (up to 52 Hz), the &lt;i&gt;Report&lt;/i&gt; will always show correct</source>
        <translation> un valor entero (hasta 52 Hz), el &lt;i&gt;Informe&lt;/i&gt; siempre mostrará valores</translation>
    </message>
    <message>
        <source>(or &lt;i&gt;aliased&lt;/i&gt;) into the range, thus producing results that can be hard to understand.</source>
        <translation>(o sufrirá &lt;i&gt;aliasing&lt;/i&gt;) dentro del intervalo, con resultados difíciles de entender.</translation>
    </message>
    <message>
        <source>Nyquist Frequency</source>
        <translation>Frecuencia de Nyquist</translation>
    </message>
    <message>
        <source>One should consider that the program uses, for this calculation,</source>
        <translation>Hay que tener en cuenta que el programa usa, para este cálculo,</translation>
    </message>
    <message>
        <source>Phase (Report)</source>
        <translation>Fase (Informe)</translation>
    </message>
    <message>
        <source>The &lt;i&gt;phase&lt;/i&gt; value shown in the &lt;i&gt;Report&lt;/i&gt; (which is produced under</source>
        <translation>El valor de la &lt;i&gt;fase&lt;/i&gt; que muestra el &lt;i&gt;Informe&lt;/i&gt; (que se obtiene a petición</translation>
    </message>
    <message>
        <source>The product of the &lt;i&gt;number of cycles&lt;/i&gt; by the constant &lt;i&gt;b&lt;/i&gt;</source>
        <translation>El producto del &lt;i&gt;número de ciclos&lt;/i&gt; por la constante &lt;i&gt;b&lt;/i&gt;</translation>
    </message>
    <message>
        <source>Thus, the values of the real part and of the imaginary part which are used in the</source>
        <translation>Así, los valores de la parte real y de la parte imaginaria que se usan en el</translation>
    </message>
    <message>
        <source>Transform will produce only integer values for the frequencies, as each point of</source>
        <translation>Transformada de Fourier solo dará valores enteros de frecuencia, ya que cada punto de</translation>
    </message>
    <message>
        <source>Try, for instance, the values 0, 1, 2, 3, 4, 5, 6 in the &lt;g&gt;f&lt;/g&gt;</source>
        <translation>Pruebe, por ejemplo, los valores 0, 1, 2, 3, 4, 5, 6 en la columna &lt;g&gt;f&lt;/g&gt;,</translation>
    </message>
    <message>
        <source>be very close to the correct values) while others will be fractions, and the</source>
        <translation>muy cerca de los valores correctos), mientras que otras serán fracciones, y los</translation>
    </message>
    <message>
        <source>calculation of the phase belong to an &lt;i&gt;integer frequency&lt;/i&gt;, and not to the correct </source>
        <translation>cálculo de la fase pertenecen a una &lt;i&gt;frecuencia entera&lt;/i&gt;, y no a la frecuencia </translation>
    </message>
    <message>
        <source>column, using the same values of &lt;i&gt;a&lt;/i&gt; and &lt;i&gt;b&lt;/i&gt; which are shown when the program is</source>
        <translation>con los mismos valores de &lt;i&gt;a&lt;/i&gt; y &lt;i&gt;b&lt;/i&gt; que se muestran al abrir el programa</translation>
    </message>
    <message>
        <source>correct. Try also the &lt;i&gt;number of cycles&lt;/i&gt;30.5: with this value, some of the</source>
        <translation>correctos. Pruebe también el &lt;i&gt;número de ciclos&lt;/i&gt; 30.5: con este valor, algunas de las</translation>
    </message>
    <message>
        <source>corresponding values of phases will not be correct.</source>
        <translation>valores de fase correspondientes no serán correctos.</translation>
    </message>
    <message>
        <source>found by the Fourier Transform, which can be an inexact value depending on</source>
        <translation>hallada por la Transformada de Fourier, que puede ser un valor inexacto según</translation>
    </message>
    <message>
        <source>fraction, some or all the frequencies can also be fractions; however, the Fourier</source>
        <translation>fracción, algunas o todas las frecuencias también pueden ser fracciones; sin embargo, la</translation>
    </message>
    <message>
        <source>frequencies will be integer values (and the corresponding values of phases will</source>
        <translation>frecuencias serán valores enteros (y los valores de fase correspondientes estarán</translation>
    </message>
    <message>
        <source>frequency, which is a fraction (and thus does not belong to the calculated</source>
        <translation>correcta, que es una fracción (y por tanto no pertenece a los puntos</translation>
    </message>
    <message>
        <source>if the value of the &quot;number of cycles&quot; (or some value of the &quot;b&quot; column) is a</source>
        <translation>si el valor del &quot;número de ciclos&quot; (o algún valor de la columna &quot;b&quot;) es una</translation>
    </message>
    <message>
        <source>number of 1024 points), otherwise the range determined by the Nyquist critical frequency</source>
        <translation>de 1024 puntos); de lo contrario, el intervalo determinado por la frecuencia crítica de Nyquist</translation>
    </message>
    <message>
        <source>of phase shown has nothing to do with the actual value.</source>
        <translation>de fase mostrado no tiene nada que ver con el valor real.</translation>
    </message>
    <message>
        <source>opened (or just click the &quot;Example&quot; button on your left). Using as &lt;i&gt;number of cycles&lt;/i&gt;</source>
        <translation>(o haga clic en el botón &quot;Ejemplo&quot; a la izquierda). Si usa como &lt;i&gt;número de ciclos&lt;/i&gt;</translation>
    </message>
    <message>
        <source>per cycle are collected). The result is that this frequency, out of the range, will be reflected</source>
        <translation>por ciclo). Como resultado, esa frecuencia, fuera del intervalo, se reflejará</translation>
    </message>
    <message>
        <source>points). The result, obviously, will not be correct.</source>
        <translation>calculados). El resultado, obviamente, no será correcto.</translation>
    </message>
    <message>
        <source>request through the menu &quot;File&quot;) is calculated on the assumption that the &lt;i&gt;exact&lt;/i&gt;</source>
        <translation>desde el menú &quot;Archivo&quot;) se calcula suponiendo que se conoce el valor &lt;i&gt;exacto&lt;/i&gt;</translation>
    </message>
    <message>
        <source>should not be larger than 512 for any frequency in this program (which uses a fixed total</source>
        <translation>no debe ser mayor que 512 para ninguna frecuencia en este programa (que usa un total fijo</translation>
    </message>
    <message>
        <source>the Transform corresponds to 1 Hz, because the window width is 1 second.</source>
        <translation>la Transformada corresponde a 1 Hz, porque el ancho de la ventana es de 1 segundo.</translation>
    </message>
    <message>
        <source>the size of the window, etc. For instance, in the case of &quot;Multiple Frequencies&quot;,</source>
        <translation>el tamaño de la ventana, etc. Por ejemplo, en el caso de &quot;Frecuencias Múltiples&quot;,</translation>
    </message>
    <message>
        <source>the values of the real part and of the imaginary part of a &lt;i&gt;certain frequency&lt;/i&gt;</source>
        <translation>los valores de la parte real y de la parte imaginaria de una &lt;i&gt;cierta frecuencia&lt;/i&gt;</translation>
    </message>
    <message>
        <source>value of the corresponding frequency is known. If this is not the case, the value</source>
        <translation>de la frecuencia correspondiente. Si no es así, el valor</translation>
    </message>
    <message>
        <source>values for the phases, while when using fraction values the results will not be</source>
        <translation>correctos de las fases, mientras que con valores fraccionarios los resultados no serán</translation>
    </message>
    <message>
        <source>will be exceeded (this means that there will be a frequency for which &lt;i&gt;less&lt;/i&gt; than two points</source>
        <translation>se superará (es decir, habrá una frecuencia para la cual se toman &lt;i&gt;menos&lt;/i&gt; de dos puntos</translation>
    </message>
    <message>
        <source>A window (menu &quot;Window&quot;) lowers all peaks by about the same factor. The &lt;i&gt;Report&lt;/i&gt; gives amplitudes</source>
        <translation>Una ventana (menú &quot;Ventana&quot;) reduce todos los picos en casi el mismo factor. El &lt;i&gt;Informe&lt;/i&gt; da amplitudes</translation>
    </message>
    <message>
        <source>in percent of the largest, so they need no correction. A flat top reads amplitudes truly, as its</source>
        <translation>en porcentaje de la mayor, que no requieren corrección. La flat top lee amplitudes fielmente, pues su</translation>
    </message>
    <message>
        <source>peak is flat; the rectangular window has the narrowest peak, so it separates close tones best.</source>
        <translation>pico es plano; la rectangular tiene el pico más estrecho, por eso separa mejor tonos cercanos.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Export PNG&lt;/i&gt; saves the picture as shown; with &lt;i&gt;for a worksheet&lt;/i&gt; checked in the menu &lt;i&gt;Export&lt;/i&gt; it gets axes, the legend and a title.</source>
        <translation>&lt;i&gt;Exportar PNG&lt;/i&gt; guarda la imagen tal como se ve; con &lt;i&gt;para una hoja de trabajo&lt;/i&gt; marcado en el menú &lt;i&gt;Exportar&lt;/i&gt; tiene ejes, la leyenda y un título.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Fix&lt;/i&gt; leaves the marks where they are, as lines over the graph&apos;s height, while the mouse moves on; &lt;i&gt;Move&lt;/i&gt; lets them follow again; &lt;i&gt;Cancel&lt;/i&gt; takes them away. Starting a horizontal expansion takes them away too.</source>
        <translation>&lt;i&gt;Fijar&lt;/i&gt; deja las marcas donde están, como líneas a lo alto del gráfico, mientras el ratón sigue; &lt;i&gt;Mover&lt;/i&gt; hace que vuelvan a seguirlo; &lt;i&gt;Cancelar&lt;/i&gt; las quita. Iniciar una expansión horizontal también las quita.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Hann&lt;/i&gt;, &lt;i&gt;Hamming&lt;/i&gt; and &lt;i&gt;Blackman&lt;/i&gt; widen the peaks a little and lower that leakage a great deal: small side peaks that vanish with them were leakage, not signals. &lt;i&gt;Flat top&lt;/i&gt; has the widest peak, but reads the amplitude of a tone truly even between two bins.</source>
        <translation>&lt;i&gt;Hann&lt;/i&gt;, &lt;i&gt;Hamming&lt;/i&gt; y &lt;i&gt;Blackman&lt;/i&gt; ensanchan un poco los picos y reducen mucho esa fuga: los pequeños picos laterales que desaparecen con ellas eran fuga, no señales. &lt;i&gt;Flat top&lt;/i&gt; tiene el pico más ancho, pero lee fielmente la amplitud de un tono incluso entre dos puntos.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Linear frequency&lt;/i&gt; shows 0 Hz to half the sampling rate, &lt;i&gt;Musical (keyboard)&lt;/i&gt; octaves beside a piano keyboard. Under the pointer the window reads the time, the frequency with its nearest note, and the level.</source>
        <translation>&lt;i&gt;Frecuencia lineal&lt;/i&gt; muestra de 0 Hz a la mitad de la frecuencia de muestreo, &lt;i&gt;Musical (teclado)&lt;/i&gt; octavas junto a un teclado de piano. Bajo el puntero la ventana lee el tiempo, la frecuencia con su nota más cercana y el nivel.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Listen&lt;/i&gt; turns the main window into a live analyser: about 25 times a second it transforms the latest samples of the sound input (as many as chosen under &lt;i&gt;Samples analysed&lt;/i&gt;) and draws them on the FFT graph or the musical graph, with the strongest peak&apos;s frequency and note. &lt;i&gt;Stop listening&lt;/i&gt; keeps the last spectrum as data from a file, for the report, the inverse and printing.</source>
        <translation>&lt;i&gt;Escuchar&lt;/i&gt; convierte la ventana principal en un analizador en vivo: unas 25 veces por segundo transforma las últimas muestras de la entrada de sonido (tantas como se elijan en &lt;i&gt;Muestras analizadas&lt;/i&gt;) y las dibuja en el gráfico de la FFT o en el gráfico musical, con la frecuencia y la nota del pico más fuerte. &lt;i&gt;Dejar de escuchar&lt;/i&gt; conserva el último espectro como datos de archivo, para el informe, la inversa y la impresión.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Play f(t)&lt;/i&gt; plays the function analysed. A calculated wave sounds for the time checked under &lt;i&gt;Sound length&lt;/i&gt; (1, 2 or 5 seconds), each row of the table at b times the cycles per second; data from a file plays the samples transferred, at the file&apos;s sampling frequency.</source>
        <translation>&lt;i&gt;Reproducir f(t)&lt;/i&gt; reproduce la función analizada. Una onda calculada suena durante el tiempo marcado en &lt;i&gt;Duración del sonido&lt;/i&gt; (1, 2 o 5 segundos), cada fila de la tabla a b veces los ciclos por segundo; los datos de un archivo reproducen las muestras transferidas, a la frecuencia de muestreo del archivo.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Play recovered function&lt;/i&gt; (after &lt;i&gt;Inverse&lt;/i&gt;) plays what the inverse transform gives back. &lt;i&gt;Save f(t) as sound...&lt;/i&gt; writes the sound of &lt;i&gt;Play f(t)&lt;/i&gt; as a WAV file.</source>
        <translation>&lt;i&gt;Reproducir la función recuperada&lt;/i&gt; (después de &lt;i&gt;Inversa&lt;/i&gt;) reproduce lo que devuelve la transformada inversa. &lt;i&gt;Guardar f(t) como sonido...&lt;/i&gt; escribe el sonido de &lt;i&gt;Reproducir f(t)&lt;/i&gt; como archivo WAV.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Print FFT graph&lt;/i&gt; prints the graph with the report on one page; without a printer it asks for a PDF file to write. &lt;i&gt;Report&lt;/i&gt; shows the report in a window.</source>
        <translation>&lt;i&gt;Imprimir gráfico de la FFT&lt;/i&gt; imprime el gráfico con el informe en una página; sin impresora pide un archivo PDF que escribir. &lt;i&gt;Informe&lt;/i&gt; muestra el informe en una ventana.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Record&lt;/i&gt; records the sound input for the seconds typed beside it and shows the recording as an opened file, ready to select and transfer. Without a sound input it is disabled and its tooltip says why.</source>
        <translation>&lt;i&gt;Grabar&lt;/i&gt; graba la entrada de sonido durante los segundos escritos al lado y muestra la grabación como un archivo abierto, lista para seleccionar y transferir. Sin entrada de sonido está desactivado y su descripción emergente dice por qué.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Spectrogram...&lt;/i&gt; in the menu of the raw file window shows the whole file that is open: time across, frequency upward, and the level of each moment and frequency in colour, from dark (-120 dB) to yellow (0 dB, a sine of full amplitude). The legend is on the right.</source>
        <translation>&lt;i&gt;Espectrograma...&lt;/i&gt; en el menú de la ventana de archivos muestra el archivo abierto entero: el tiempo en horizontal, la frecuencia hacia arriba, y el nivel de cada instante y frecuencia en color, de oscuro (-120 dB) a amarillo (0 dB, un seno de amplitud máxima). La leyenda está a la derecha.</translation>
    </message>
    <message>
        <source>&lt;i&gt;Spectrogram...&lt;/i&gt; in this window&apos;s menu shows the whole file over time (see the topic Spectrogram).</source>
        <translation>&lt;i&gt;Espectrograma...&lt;/i&gt; en el menú de esta ventana muestra el archivo entero a lo largo del tiempo (vea el tema Espectrograma).</translation>
    </message>
    <message>
        <source>&lt;i&gt;Transfer&lt;/i&gt; hands those samples to the main window, which draws them as f(t) beside their spectrum; the file window is then minimised.</source>
        <translation>&lt;i&gt;Transferir&lt;/i&gt; entrega esas muestras a la ventana principal, que las dibuja como f(t) junto a su espectro; la ventana del archivo se minimiza entonces.</translation>
    </message>
    <message>
        <source>A file of several channels: the line under the options says how many it has and which is analysed. &lt;i&gt;First channel&lt;/i&gt; takes the first, &lt;i&gt;Mean of the channels&lt;/i&gt; their mean; the choice holds for the files opened later.</source>
        <translation>Un archivo de varios canales: la línea bajo las opciones dice cuántos tiene y cuál se analiza. &lt;i&gt;Primer canal&lt;/i&gt; toma el primero, &lt;i&gt;Media de los canales&lt;/i&gt; su media; la elección vale también para los archivos que se abran después.</translation>
    </message>
    <message>
        <source>A window lowers all peaks by about the same factor; the &lt;i&gt;Report&lt;/i&gt; gives amplitudes in percent of the largest, so they need no correction. The graph of f(t) draws the window&apos;s shape over the samples as a thin grey curve. Try a sine of 30.37 cycles with each window.</source>
        <translation>Una ventana reduce todos los picos en casi el mismo factor; el &lt;i&gt;Informe&lt;/i&gt; da las amplitudes en porcentaje de la mayor, así que no necesitan corrección. El gráfico de f(t) dibuja la forma de la ventana sobre las muestras como una curva gris fina. Pruebe un seno de 30,37 ciclos con cada ventana.</translation>
    </message>
    <message>
        <source>Aliasing: a wave at or above half the number of points per second (512 Hz with 1024 points in one second) cannot be told from a lower one. Its fields in the wave table, or the cycles field of a simple wave, turn light red, and a hint under the table says where it appears, for example &quot;570 Hz is above 512 Hz and appears at 454 Hz&quot;. The wave is still computed: the folded peak is what the transform shows (see Help: &lt;i&gt;Nyquist&lt;/i&gt;).</source>
        <translation>Aliasing: una onda en la mitad del número de puntos por segundo o por encima de ella (512 Hz con 1024 puntos en un segundo) no se puede distinguir de una más baja. Sus campos en la tabla de ondas, o el campo de ciclos de una onda simple, se vuelven rojo claro, y una indicación bajo la tabla dice dónde aparece, por ejemplo &quot;570 Hz está por encima de 512 Hz y aparece en 454 Hz&quot;. La onda se sigue calculando: el pico reflejado es lo que muestra la transformada (vea Ayuda: &lt;i&gt;Nyquist&lt;/i&gt;).</translation>
    </message>
    <message>
        <source>Alt with the underlined letter opens a menu and chooses its entries. Tab goes through the fields and buttons in reading order, the wave table a row at a time; Space presses the button that has the focus.</source>
        <translation>Alt con la letra subrayada abre un menú y elige sus entradas. Tab recorre los campos y botones en orden de lectura, la tabla de ondas una fila cada vez; Espacio pulsa el botón que tiene el foco.</translation>
    </message>
    <message>
        <source>CSV files and reports write numbers with a point, and CSV columns have English names, so every student&apos;s file reads alike.</source>
        <translation>Los archivos CSV y los informes escriben los números con punto, y las columnas del CSV tienen nombres en inglés, para que el archivo de cada alumno se lea igual.</translation>
    </message>
    <message>
        <source>Ctrl+B &lt;i&gt;Both&lt;/i&gt;, Ctrl+T &lt;i&gt;Only f(t)&lt;/i&gt;, Ctrl+F &lt;i&gt;Only FFT&lt;/i&gt;, Ctrl+L &lt;i&gt;Log&lt;/i&gt; or &lt;i&gt;Lin&lt;/i&gt;, Ctrl+R &lt;i&gt;Report&lt;/i&gt;, Ctrl+I &lt;i&gt;Inverse&lt;/i&gt;.</source>
        <translation>Ctrl+B &lt;i&gt;Ambos&lt;/i&gt;, Ctrl+T &lt;i&gt;Solo f(t)&lt;/i&gt;, Ctrl+F &lt;i&gt;Solo FFT&lt;/i&gt;, Ctrl+L &lt;i&gt;Log&lt;/i&gt; o &lt;i&gt;Lin&lt;/i&gt;, Ctrl+R &lt;i&gt;Informe&lt;/i&gt;, Ctrl+I &lt;i&gt;Inversa&lt;/i&gt;.</translation>
    </message>
    <message>
        <source>Drag over the graph from left to right with the left button held to select the samples to analyse; the right button takes the selection away. Below the graph, &lt;i&gt;Selected points&lt;/i&gt; counts the selection and &lt;i&gt;To be transferred&lt;/i&gt; the largest power of two it holds, from 1024 to 16384.</source>
        <translation>Arrastre sobre el gráfico de izquierda a derecha con el botón izquierdo pulsado para seleccionar las muestras que analizar; el botón derecho quita la selección. Bajo el gráfico, &lt;i&gt;Puntos seleccionados&lt;/i&gt; cuenta la selección y &lt;i&gt;A transferir&lt;/i&gt; la mayor potencia de dos que contiene, de 1024 a 16384.</translation>
    </message>
    <message>
        <source>Enter or Space there does what a click does. On the FFT graph it marks the peak near the cursor, sets a limit of the expansion after &lt;i&gt;Horizontal&lt;/i&gt; (Escape drops a first limit) or, with &lt;i&gt;Show&lt;/i&gt;, places the harmonic markers. On the raw file graph a first Enter starts a selection at the cursor, a second ends it, and Escape takes it away.</source>
        <translation>Intro o Espacio allí hace lo que hace un clic. En el gráfico de la FFT marca el pico cerca del cursor, fija un límite de la expansión después de &lt;i&gt;Horizontal&lt;/i&gt; (Esc descarta un primer límite) o, con &lt;i&gt;Mostrar&lt;/i&gt;, coloca los marcadores de armónicos. En el gráfico del archivo un primer Intro inicia una selección en el cursor, un segundo la termina, y Esc la quita.</translation>
    </message>
    <message>
        <source>Exports and worksheets</source>
        <translation>Exportaciones y hojas de trabajo</translation>
    </message>
    <message>
        <source>From the keyboard: with &lt;i&gt;Show&lt;/i&gt; pressed, Enter or Space on the graph places the marks at its cursor.</source>
        <translation>Con el teclado: con &lt;i&gt;Mostrar&lt;/i&gt; pulsado, Intro o Espacio en el gráfico coloca las marcas en su cursor.</translation>
    </message>
    <message>
        <source>Harmonic markers</source>
        <translation>Marcadores de armónicos</translation>
    </message>
    <message>
        <source>In the menu &lt;i&gt;Waves&lt;/i&gt; choose &lt;i&gt;Files  *.raw...&lt;/i&gt;. In the window that opens, the menu &lt;i&gt;Open&lt;/i&gt; reads a sound file (WAV, FLAC, Ogg, AIFF and more) or a headerless 8-bit .raw file and draws it. A sound file fills in its own sampling frequency; for a .raw file type it in the box above the graph.</source>
        <translation>En el menú &lt;i&gt;Ondas&lt;/i&gt; elija &lt;i&gt;Archivos  *.raw...&lt;/i&gt;. En la ventana que se abre, el menú &lt;i&gt;Abrir&lt;/i&gt; lee un archivo de sonido (WAV, FLAC, Ogg, AIFF y otros) o un archivo .raw de 8 bits sin cabecera y lo dibuja. Un archivo de sonido indica su propia frecuencia de muestreo; para un archivo .raw escríbala en la casilla sobre el gráfico.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>El teclado</translation>
    </message>
    <message>
        <source>Long frames separate close frequencies but blur quick changes; short frames follow quick changes but blur close frequencies.</source>
        <translation>Las tramas largas separan frecuencias cercanas pero difuminan los cambios rápidos; las tramas cortas siguen los cambios rápidos pero difuminan las frecuencias cercanas.</translation>
    </message>
    <message>
        <source>Move until the marks fall on peaks: those peaks are the harmonics of the first. The read-out under the buttons gives the frequency under the pointer with its note.</source>
        <translation>Muévase hasta que las marcas caigan sobre picos: esos picos son los armónicos del primero. La lectura bajo los botones da la frecuencia bajo el puntero con su nota.</translation>
    </message>
    <message>
        <source>Sound files and recording</source>
        <translation>Archivos de sonido y grabación</translation>
    </message>
    <message>
        <source>Sound menu</source>
        <translation>El menú Sonido</translation>
    </message>
    <message>
        <source>Spectrogram</source>
        <translation>Espectrograma</translation>
    </message>
    <message>
        <source>The FFT graph, the musical graph and the graph of the raw file window take the focus too, and then show an orange cursor line. Left and Right move it a step (with Shift ten steps), Home and End to the ends; the read-out follows it.</source>
        <translation>El gráfico de la FFT, el gráfico musical y el gráfico de la ventana de archivos también reciben el foco, y entonces muestran una línea de cursor naranja. Izquierda y Derecha la mueven un paso (con Mayús diez pasos), Inicio y Fin hasta los extremos; la lectura la sigue.</translation>
    </message>
    <message>
        <source>The graph shows at most 34000 samples: a longer file gets a scroll bar under the graph that chooses the stretch shown.</source>
        <translation>El gráfico muestra como máximo 34000 muestras: un archivo más largo tiene una barra de desplazamiento bajo el gráfico que elige el tramo mostrado.</translation>
    </message>
    <message>
        <source>The harmonic markers show which peaks belong to one note: they stand at 1, 2, 3 ... times the frequency under the pointer.</source>
        <translation>Los marcadores de armónicos muestran qué picos pertenecen a una nota: están en 1, 2, 3 ... veces la frecuencia bajo el puntero.</translation>
    </message>
    <message>
        <source>The menu &lt;i&gt;Export&lt;/i&gt; in &lt;i&gt;File&lt;/i&gt; saves the samples or the spectrum as CSV for a spreadsheet, the report as text, and the graph of f(t), the FFT graph and the musical graph as PNG, SVG or PDF. &lt;i&gt;PNG at double resolution&lt;/i&gt; makes finer PNG pictures.</source>
        <translation>El menú &lt;i&gt;Exportar&lt;/i&gt; en &lt;i&gt;Archivo&lt;/i&gt; guarda las muestras o el espectro como CSV para una hoja de cálculo, el informe como texto, y el gráfico de f(t), el gráfico de la FFT y el gráfico musical como PNG, SVG o PDF. &lt;i&gt;PNG a doble resolución&lt;/i&gt; hace imágenes PNG más finas.</translation>
    </message>
    <message>
        <source>The menu &lt;i&gt;Window&lt;/i&gt; weighs the samples with a window function before the transform. &lt;i&gt;Rectangular&lt;/i&gt; (the first choice) takes them as they are: its peaks are the narrowest, so it separates close tones best, but a tone between two frequencies of the transform leaks into bins far from its peak.</source>
        <translation>El menú &lt;i&gt;Ventana&lt;/i&gt; pondera las muestras con una función ventana antes de la transformada. &lt;i&gt;Rectangular&lt;/i&gt; (la primera opción) las toma tal como son: sus picos son los más estrechos, así que separa mejor tonos cercanos, pero un tono entre dos frecuencias de la transformada se filtra a puntos lejos de su pico.</translation>
    </message>
    <message>
        <source>Under &lt;i&gt;Harmonics&lt;/i&gt; press &lt;i&gt;Show&lt;/i&gt;. Then, on the FFT graph or on the musical graph (&lt;i&gt;Log&lt;/i&gt;), press the right button of the mouse on the first peak and drag with the button held: the marks follow the pointer, one at its frequency and the others at 2 to 11 times it (to 17 times on the musical graph). On the musical graph they appear only once the pointer moves.</source>
        <translation>Bajo &lt;i&gt;Armónicos&lt;/i&gt; pulse &lt;i&gt;Mostrar&lt;/i&gt;. Después, en el gráfico de la FFT o en el gráfico musical (&lt;i&gt;Log&lt;/i&gt;), pulse el botón derecho del ratón sobre el primer pico y arrastre con el botón pulsado: las marcas siguen al puntero, una en su frecuencia y las otras en 2 a 11 veces ella (hasta 17 veces en el gráfico musical). En el gráfico musical solo aparecen cuando el puntero se mueve.</translation>
    </message>
    <message>
        <source>Windows and aliasing</source>
        <translation>Ventanas y aliasing</translation>
    </message>
    <message>
        <source>With &lt;i&gt;for a worksheet&lt;/i&gt; checked, the pictures are made for paper: a white ground, a frame, both axes with their quantity and unit ticked at round numbers, a title naming the function or the file, and the marks the window shows (harmonic markers, the marked peak, an expanded range). &lt;i&gt;Spectrum in % of the largest, as in the report&lt;/i&gt; ticks the spectrum&apos;s axis in percent.</source>
        <translation>Con &lt;i&gt;para una hoja de trabajo&lt;/i&gt; marcado, las imágenes se hacen para papel: fondo blanco, un marco, los dos ejes con su magnitud y unidad marcados en números redondos, un título que nombra la función o el archivo, y las marcas que muestra la ventana (marcadores de armónicos, el pico marcado, un rango expandido). &lt;i&gt;Espectro en % del mayor, como en el informe&lt;/i&gt; marca el eje del espectro en porcentaje.</translation>
    </message>
    <message>
        <source>Without a sound device these entries are disabled, and their tooltips say why.</source>
        <translation>Sin dispositivo de sonido estas entradas están desactivadas, y sus descripciones emergentes dicen por qué.</translation>
    </message>
    <message>
        <source>The file is cut into frames of as many points as typed in &lt;i&gt;Frame (points)&lt;/i&gt; (a power of two from 256 to 16384), one starting every &lt;i&gt;Hop (points)&lt;/i&gt; points; each frame is weighted by a Hann window and transformed. Type new values and press &lt;i&gt;Analyse&lt;/i&gt;. A long file fills in from the left while the progress bar moves.</source>
        <translation>El archivo se corta en tramas de tantos puntos como se escriban en &lt;i&gt;Trama (puntos)&lt;/i&gt; (una potencia de dos de 256 a 16384), una empezando cada &lt;i&gt;Salto (puntos)&lt;/i&gt; puntos; cada trama se pondera con una ventana de Hann y se transforma. Escriba nuevos valores y pulse &lt;i&gt;Analizar&lt;/i&gt;. Un archivo largo se va llenando desde la izquierda mientras avanza la barra de progreso.</translation>
    </message>
</context>
<context>
    <name>Lessons</name>
    <message>
        <source>&quot;%1&quot; is no language</source>
        <translation>&quot;%1&quot; no es un idioma</translation>
    </message>
    <message>
        <source>&quot;%1&quot; comes before the first &quot;step:&quot;</source>
        <translation>&quot;%1&quot; viene antes del primer &quot;step:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;title:&quot;</source>
        <translation>la lección no tiene &quot;title:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;aim:&quot;</source>
        <translation>la lección no tiene &quot;aim:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;summary:&quot;</source>
        <translation>la lección no tiene &quot;summary:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;minutes:&quot;</source>
        <translation>la lección no tiene &quot;minutes:&quot;</translation>
    </message>
    <message>
        <source>the lesson has no step</source>
        <translation>la lección no tiene ningún paso</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number (write it as 3.5, with a point)</source>
        <translation>&quot;%1&quot; no es un número (escríbalo como 3.5, con punto)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no kind of step (predict, observe, your turn, question)</source>
        <translation>&quot;%1&quot; no es un tipo de paso (predict, observe, your turn, question)</translation>
    </message>
    <message>
        <source>a translated choice comes before its &quot;choice:&quot;</source>
        <translation>una opción traducida viene antes de su &quot;choice:&quot;</translation>
    </message>
    <message>
        <source>&quot;feedback:&quot; follows no &quot;choice:&quot; or &quot;mistake:&quot;</source>
        <translation>&quot;feedback:&quot; no sigue a ningún &quot;choice:&quot; o &quot;mistake:&quot;</translation>
    </message>
    <message>
        <source>a tolerance cannot be negative</source>
        <translation>una tolerancia no puede ser negativa</translation>
    </message>
    <message>
        <source>the picture &quot;%1&quot; is not in the lesson&apos;s folder</source>
        <translation>la imagen &quot;%1&quot; no está en la carpeta de la lección</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a key of lessons nor a setting of the main window</source>
        <translation>&quot;%1&quot; no es ni una clave de lecciones ni un ajuste de la ventana principal</translation>
    </message>
    <message>
        <source>the sound &quot;%1&quot; is not in the lesson&apos;s folder</source>
        <translation>el sonido &quot;%1&quot; no está en la carpeta de la lección</translation>
    </message>
    <message>
        <source>the step has no &quot;text:&quot;</source>
        <translation>el paso no tiene &quot;text:&quot;</translation>
    </message>
    <message>
        <source>a &quot;your turn&quot; step needs the settings the student must make</source>
        <translation>un paso &quot;your turn&quot; necesita los ajustes que el alumno debe hacer</translation>
    </message>
    <message>
        <source>only predict and question steps take answers, choices and mistakes</source>
        <translation>solo los pasos predict y question aceptan respuestas, opciones y errores</translation>
    </message>
    <message>
        <source>a choice question needs two choices or more</source>
        <translation>una pregunta de opciones necesita dos opciones o más</translation>
    </message>
    <message>
        <source>the answer of a choice question is the number of the right choice, 1 to %1</source>
        <translation>la respuesta de una pregunta de opciones es el número de la opción correcta, de 1 a %1</translation>
    </message>
    <message>
        <source>the question has no &quot;answer:&quot;</source>
        <translation>la pregunta no tiene &quot;answer:&quot;</translation>
    </message>
    <message>
        <source>%1 is not a lesson file</source>
        <translation>%1 no es un archivo de lección</translation>
    </message>
    <message>
        <source>the file is too large for a lesson</source>
        <translation>el archivo es demasiado grande para una lección</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>el archivo no se puede leer</translation>
    </message>
    <message>
        <source>Not quite: look again, and try once more.</source>
        <translation>Todavía no: mire de nuevo e inténtelo otra vez.</translation>
    </message>
    <message>
        <source>The answer is %1.</source>
        <translation>La respuesta es %1.</translation>
    </message>
    <message>
        <source>Right!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number: write it as 2.5 or 2,5</source>
        <translation>&quot;%1&quot; no es un número: escríbalo como 2.5 o 2,5</translation>
    </message>
    <message>
        <source>You predicted %1; the window shows %2.</source>
        <translation>Usted predijo %1; la ventana muestra %2.</translation>
    </message>
    <message>
        <source>Choose one of the answers.</source>
        <translation>Elija una de las respuestas.</translation>
    </message>
    <message>
        <source>&quot;%1: %2&quot; could not be set</source>
        <translation>&quot;%1: %2&quot; no se pudo ajustar</translation>
    </message>
    <message>
        <source>the window cannot be set so: %1</source>
        <translation>la ventana no se puede ajustar así: %1</translation>
    </message>
    <message>
        <source>the question is not checked against the program&apos;s numbers (no &quot;check:&quot;)</source>
        <translation>la pregunta no se comprueba con los números del programa (sin &quot;check:&quot;)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names no number of the program</source>
        <translation>&quot;%1&quot; no nombra ningún número del programa</translation>
    </message>
    <message>
        <source>the window shows no %1 here</source>
        <translation>la ventana no muestra ningún %1 aquí</translation>
    </message>
    <message>
        <source>the window shows the answer before the prediction is asked</source>
        <translation>la ventana muestra la respuesta antes de pedir la predicción</translation>
    </message>
    <message>
        <source>a number question needs a number to check</source>
        <translation>una pregunta numérica necesita un número que comprobar</translation>
    </message>
    <message>
        <source>the answer is %1, but the program&apos;s numbers give %2</source>
        <translation>la respuesta es %1, pero los números del programa dan %2</translation>
    </message>
    <message>
        <source>the tolerance %1 is finer than the window shows (steps of %2)</source>
        <translation>la tolerancia %1 es más fina de lo que muestra la ventana (pasos de %2)</translation>
    </message>
    <message>
        <source>this mistake is taken for the right answer</source>
        <translation>este error se toma por la respuesta correcta</translation>
    </message>
    <message>
        <source>the right choice does not say %1, which the program&apos;s numbers give</source>
        <translation>la opción correcta no dice %1, que dan los números del programa</translation>
    </message>
    <message>
        <source>the answer %1 can be read before its question is asked</source>
        <translation>la respuesta %1 se puede leer antes de hacer la pregunta</translation>
    </message>
    <message>
        <source>no typical wrong number has its feedback (&quot;mistake:&quot; and &quot;feedback:&quot;)</source>
        <translation>ningún número erróneo típico tiene su comentario (&quot;mistake:&quot; y &quot;feedback:&quot;)</translation>
    </message>
    <message>
        <source>this wrong choice has no feedback</source>
        <translation>esta opción errónea no tiene comentario</translation>
    </message>
    <message>
        <source>this mistake has no feedback</source>
        <translation>este error no tiene comentario</translation>
    </message>
    <message>
        <source>the question needs a &quot;hint:&quot; and an &quot;explain:&quot;</source>
        <translation>la pregunta necesita un &quot;hint:&quot; y un &quot;explain:&quot;</translation>
    </message>
    <message>
        <source>a text has no translation &quot;%1&quot;</source>
        <translation>un texto no tiene la traducción &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the lesson has no &quot;%1&quot; step</source>
        <translation>la lección no tiene ningún paso &quot;%1&quot;</translation>
    </message>
    <message>
        <source>the lesson does not end with a question</source>
        <translation>la lección no termina con una pregunta</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>the file is not text (it holds control bytes)</source>
        <translation>el archivo no es texto (contiene bytes de control)</translation>
    </message>
    <message>
        <source>the file is not UTF-8 text</source>
        <translation>el archivo no es texto UTF-8</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>expected &quot;key: value&quot; (a key, a colon, a value)</source>
        <translation>se esperaba &quot;clave: valor&quot; (una clave, dos puntos, un valor)</translation>
    </message>
    <message>
        <source>&quot;open: %1&quot; names no entry of the main window&apos;s menus</source>
        <translation>&quot;open: %1&quot; no nombra ninguna entrada de los menús de la ventana principal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not one of: %2</source>
        <translation>&quot;%1&quot; no es uno de estos: %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number this setting takes</source>
        <translation>&quot;%1&quot; no es un número que este ajuste acepte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a wave row &quot;a, b, φ&quot;</source>
        <translation>&quot;%1&quot; no es una fila de onda &quot;a, b, φ&quot;</translation>
    </message>
    <message>
        <source>a sound is named by its file in the lesson&apos;s folder</source>
        <translation>un sonido se nombra por su archivo en la carpeta de la lección</translation>
    </message>
    <message>
        <source>a selection is &quot;all&quot; or &quot;FIRST to LAST&quot; (samples)</source>
        <translation>una selección es &quot;all&quot; o &quot;PRIMERA to ÚLTIMA&quot; (muestras)</translation>
    </message>
    <message>
        <source>the wave table has rows 1 to 10</source>
        <translation>la tabla de ondas tiene las filas 1 a 10</translation>
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
        <translation>%1: %2 (ahora %3)</translation>
    </message>
    <message>
        <source>Sound file</source>
        <translation>Archivo de sonido</translation>
    </message>
    <message>
        <source>Sampling frequency</source>
        <translation>Frecuencia de muestreo</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selección</translation>
    </message>
    <message>
        <source>Sum of</source>
        <translation>Suma de</translation>
    </message>
    <message>
        <source>Simple wave</source>
        <translation>Onda simple</translation>
    </message>
    <message>
        <source>Frequencies</source>
        <translation>Frecuencias</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>%1: choose it</source>
        <translation>%1: elija esta opción</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>the sound server stopped taking samples, so the sound was cut off.</source>
        <translation>el servidor de sonido dejó de aceptar muestras, así que el sonido se interrumpió.</translation>
    </message>
    <message>
        <source>the sound input stopped giving samples, and its sound server did not answer within %1 s.</source>
        <translation>la entrada de sonido dejó de dar muestras, y su servidor de sonido no respondió en %1 s.</translation>
    </message>
    <message>
        <source>the sound input stopped giving samples after %1 of the %2 asked for: its sound server does not answer.</source>
        <translation>la entrada de sonido dejó de dar muestras después de %1 de las %2 pedidas: su servidor de sonido no responde.</translation>
    </message>
    <message>
        <source>The sound stopped before its end: %1</source>
        <translation>El sonido se detuvo antes de terminar: %1</translation>
    </message>
    <message>
        <source>Listening stopped: %1</source>
        <translation>La escucha se detuvo: %1</translation>
    </message>
    <message>
        <source>it ends before the length it states</source>
        <translation>termina antes de la longitud que declara</translation>
    </message>
    <message>
        <source>The file %1 is damaged after %2 s (%3): the spectrogram stops there.</source>
        <translation>El archivo %1 está dañado después de %2 s (%3): el espectrograma se detiene allí.</translation>
    </message>
    <message>
        <source>The file %1 is damaged after sample %2 (%3): only the samples before the damage are shown.</source>
        <translation>El archivo %1 está dañado después de la muestra %2 (%3): solo se muestran las muestras anteriores al daño.</translation>
    </message>
    <message>
        <source>The file %1 is a damaged sound file: its header can be read, but none of its samples can be decoded (%2).</source>
        <translation>El archivo %1 es un archivo de sonido dañado: su cabecera se puede leer, pero ninguna de sus muestras se puede decodificar (%2).</translation>
    </message>
    <message>
        <source>The opening-parameters file %1 could not be restored from its kept copy: %2.</source>
        <translation>El archivo de parámetros iniciales %1 no se pudo restaurar desde su copia guardada: %2.</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation>El archivo %1 no se puede abrir: %2.</translation>
    </message>
    <message>
        <source>The length of %1 cannot be read (%2).</source>
        <translation>No se puede leer el tamaño de %1 (%2).</translation>
    </message>
    <message>
        <source>The file %1 cannot be opened for reading.</source>
        <translation>El archivo %1 no se puede abrir para lectura.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation>El archivo %1 no se puede leer.</translation>
    </message>
    <message>
        <source>The file %1 is empty: it holds no samples to plot.</source>
        <translation>El archivo %1 está vacío: no contiene muestras para trazar.</translation>
    </message>
    <message>
        <source>The file %1 became shorter while it was read.</source>
        <translation>El archivo %1 se acortó mientras se leía.</translation>
    </message>
    <message>
        <source>No samples were selected.</source>
        <translation>No se seleccionó ninguna muestra.</translation>
    </message>
    <message>
        <source>The file %1 is shorter than when it was plotted; open it again.</source>
        <translation>El archivo %1 es más corto que cuando se trazó; vuelva a abrirlo.</translation>
    </message>
    <message>
        <source>The file %1 is not a sound file this window can open: its content is in no sound format it knows, and only a name ending in .raw is read as headerless bytes.</source>
        <translation>El archivo %1 no es un archivo de sonido que esta ventana pueda abrir: su contenido no está en ningún formato de sonido conocido, y solo un nombre terminado en .raw se lee como bytes sin cabecera.</translation>
    </message>
    <message>
        <source>The file %1 cannot be read (%2).</source>
        <translation>El archivo %1 no se puede leer (%2).</translation>
    </message>
    <message>
        <source>The file %1 is a damaged sound file (%2).</source>
        <translation>El archivo %1 es un archivo de sonido dañado (%2).</translation>
    </message>
    <message>
        <source>The file %1 holds its sound in an encoding this window cannot decode.</source>
        <translation>El archivo %1 guarda el sonido en una codificación que esta ventana no puede decodificar.</translation>
    </message>
    <message>
        <source>The file %1 is a sound file whose header is incomplete: it states no sampling frequency, no channel or no sample format that can be used.</source>
        <translation>El archivo %1 es un archivo de sonido con la cabecera incompleta: no indica frecuencia de muestreo, canal o formato de muestra utilizable.</translation>
    </message>
    <message>
        <source>The file %1 is a sound file whose header is incomplete: it states no sampling frequency or no channel.</source>
        <translation>El archivo %1 es un archivo de sonido con la cabecera incompleta: no indica frecuencia de muestreo o canal.</translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation>El archivo %1 no se puede escribir</translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation>El archivo %1 no se puede escribir: %2</translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation>no existe</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>La información del sistema no está disponible en este momento</translation>
    </message>
    <message>
        <source>Expansion with less than 5 points will produce error in calculations and, anyway, would be useless. Choose a larger interval!</source>
        <translation>Una expansión con menos de 5 puntos producirá errores en los cálculos y, de todos modos, sería inútil. ¡Elija un intervalo mayor!</translation>
    </message>
    <message>
        <source>It is not possible to export because the parameters were changed. Click in BOTH to recalculate and plot the graphs and then try again</source>
        <translation>No es posible exportar porque se cambiaron los parámetros. Haga clic en AMBOS para recalcular y trazar los gráficos y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>The FFT graph is not shown. Show it and then try again.</source>
        <translation>El gráfico de la FFT no se muestra. Muéstrelo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The musical graph is not shown. Click in &quot;Log&quot; to show it and then try again.</source>
        <translation>El gráfico musical no se muestra. Haga clic en &quot;Log&quot; para mostrarlo y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The report cannot be made while both graphs are shown separately. Choose one quantity and then try again.</source>
        <translation>El informe no se puede hacer mientras ambos gráficos se muestran por separado. Elija una magnitud y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>The inverse transform works on 2 to %1 points, a power of two; the total number of points is %2. Nothing was calculated.</source>
        <translation>La transformada inversa trabaja con 2 a %1 puntos, una potencia de dos; el número total de puntos es %2. No se calculó nada.</translation>
    </message>
    <message>
        <source>The opening-parameters file %1 cannot be created (%2). The program stops.</source>
        <translation>El archivo de parámetros iniciales %1 no se puede crear (%2). El programa se detiene.</translation>
    </message>
    <message>
        <source>The default opening parameters could not be loaded from %1. The program stops.</source>
        <translation>Los parámetros iniciales predeterminados no se pudieron cargar desde %1. El programa se detiene.</translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation> (fila %1)</translation>
    </message>
    <message>
        <source>Total number of points in f(t) graph</source>
        <translation>Número total de puntos en el gráfico de f(t)</translation>
    </message>
    <message>
        <source>Number of data points in the window</source>
        <translation>Número de puntos de datos en la ventana</translation>
    </message>
    <message>
        <source>Data extension in seconds</source>
        <translation>Extensión de los datos en segundos</translation>
    </message>
    <message>
        <source>Window Width (seconds)</source>
        <translation>Ancho de la ventana (segundos)</translation>
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
        <translation>No es posible imprimir el informe porque se cambiaron los parámetros. Haga clic en AMBOS para recalcular y trazar los gráficos y vuelva a intentarlo</translation>
    </message>
    <message>
        <source>It is not possible to print the graph and the report because parameters were changed. Click in BOTH to replot the graphs and then retry to print.</source>
        <translation>No es posible imprimir el gráfico y el informe porque se cambiaron los parámetros. Haga clic en AMBOS para volver a trazar los gráficos e intente imprimir de nuevo.</translation>
    </message>
    <message>
        <source>The total number of points must lie between 1 and %1; the field holds %2.</source>
        <translation>El número total de puntos debe estar entre 1 y %1; el campo contiene %2.</translation>
    </message>
    <message>
        <source>This wave is calculated with at most %1 data points in the window; the field holds %2.</source>
        <translation>Esta onda se calcula con un máximo de %1 puntos de datos en la ventana; el campo contiene %2.</translation>
    </message>
    <message>
        <source>The number of points and the cycles cannot be read from the opening parameters (%1); the fields keep their values.</source>
        <translation>El número de puntos y los ciclos no se pueden leer de los parámetros iniciales (%1); los campos conservan sus valores.</translation>
    </message>
    <message>
        <source>Calculated waves are transformed with 1024 points; the total number of points is %1. Nothing was transformed.</source>
        <translation>Las ondas calculadas se transforman con 1024 puntos; el número total de puntos es %1. No se transformó nada.</translation>
    </message>
    <message>
        <source>Sound data are transformed in powers of two up to 32768 samples; %1 samples cannot be transformed.</source>
        <translation>Los datos de sonido se transforman en potencias de dos hasta 32768 muestras; %1 muestras no se pueden transformar.</translation>
    </message>
    <message>
        <source>Make your own code for this operation!</source>
        <translation>¡Escriba su propio código para esta operación!</translation>
    </message>
    <message>
        <source>Total number of points</source>
        <translation>Número total de puntos</translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation>Número de ciclos (por segundo)</translation>
    </message>
    <message>
        <source>The opening parameters cannot be read from %1 (%2). Type them and choose &quot;Save&quot; to write a new file.</source>
        <translation>Los parámetros iniciales no se pueden leer de %1 (%2). Escríbalos y elija &quot;Guardar&quot; para escribir un archivo nuevo.</translation>
    </message>
    <message>
        <source>The opening parameters cannot be saved in %1 (%2).</source>
        <translation>Los parámetros iniciales no se pueden guardar en %1 (%2).</translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation>Configurar impresión</translation>
    </message>
    <message>
        <source>Print to a PDF file</source>
        <translation>Imprimir en un archivo PDF</translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation>No se puede usar la impresora.</translation>
    </message>
    <message>
        <source>A sound of %1 samples per second cannot be converted to the %2 of the sound output.</source>
        <translation>Un sonido de %1 muestras por segundo no se puede convertir a las %2 de la salida de sonido.</translation>
    </message>
    <message>
        <source>The sound cannot be converted: %1.</source>
        <translation>El sonido no se puede convertir: %1.</translation>
    </message>
    <message>
        <source>The function is zero everywhere: there is nothing to hear.</source>
        <translation>La función es cero en todas partes: no hay nada que oír.</translation>
    </message>
    <message>
        <source>the sound file could not be completed</source>
        <translation>el archivo de sonido no se pudo completar</translation>
    </message>
    <message>
        <source>The file %1 is empty: it holds no samples to analyse.</source>
        <translation>El archivo %1 está vacío: no contiene muestras para analizar.</translation>
    </message>
    <message>
        <source>The file %1 holds %2 sample, fewer than one frame of %3 points: there is no spectrogram to show.</source>
        <translation>El archivo %1 contiene %2 muestra, menos que una trama de %3 puntos: no hay espectrograma que mostrar.</translation>
    </message>
    <message>
        <source>The file %1 holds %2 samples, fewer than one frame of %3 points: there is no spectrogram to show.</source>
        <translation>El archivo %1 contiene %2 muestras, menos que una trama de %3 puntos: no hay espectrograma que mostrar.</translation>
    </message>
    <message>
        <source>The frame must be a power of two from %1 to %2 points, not %3.</source>
        <translation>La trama debe ser una potencia de dos de %1 a %2 puntos, no %3.</translation>
    </message>
    <message>
        <source>The hop must be from 1 to the frame&apos;s %1 points, not %2.</source>
        <translation>El salto debe ser de 1 a los %1 puntos de la trama, no %2.</translation>
    </message>
    <message>
        <source>there is no sound output here.</source>
        <translation>aquí no hay salida de sonido.</translation>
    </message>
    <message>
        <source>The sampling frequency %1 cannot be played. Transfer the data again.</source>
        <translation>La frecuencia de muestreo %1 no se puede reproducir. Vuelva a transferir los datos.</translation>
    </message>
    <message>
        <source>Choose a function in the menu &quot;Waves&quot; first.</source>
        <translation>Elija primero una función en el menú &quot;Ondas&quot;.</translation>
    </message>
    <message>
        <source>The sound cannot be played: %1</source>
        <translation>El sonido no se puede reproducir: %1</translation>
    </message>
    <message>
        <source>No sound can be played: </source>
        <translation>No se puede reproducir ningún sonido: </translation>
    </message>
    <message>
        <source>The frame must be a power of two from 256 to 16384 points, not %1.</source>
        <translation>La trama debe ser una potencia de dos de 256 a 16384 puntos, no %1.</translation>
    </message>
    <message>
        <source>The hop must be a whole number of points from 1 to the frame, not %1.</source>
        <translation>El salto debe ser un número entero de puntos de 1 a la trama, no %1.</translation>
    </message>
    <message>
        <source>there is no sound output device.</source>
        <translation>no hay dispositivo de salida de sonido.</translation>
    </message>
    <message>
        <source>the sound output cannot play %1 samples per second.</source>
        <translation>la salida de sonido no puede reproducir %1 muestras por segundo.</translation>
    </message>
    <message>
        <source>no sound is playing.</source>
        <translation>no se está reproduciendo ningún sonido.</translation>
    </message>
    <message>
        <source>the sound was not played in time.</source>
        <translation>el sonido no se reprodujo a tiempo.</translation>
    </message>
    <message>
        <source>Nothing was recorded: %1</source>
        <translation>No se grabó nada: %1</translation>
    </message>
    <message>
        <source>The recording holds %1 samples: the selection goes past its end.</source>
        <translation>La grabación contiene %1 muestras: la selección va más allá de su final.</translation>
    </message>
    <message>
        <source>The sound input states no sampling frequency: nothing can be recorded.</source>
        <translation>La entrada de sonido no indica frecuencia de muestreo: no se puede grabar nada.</translation>
    </message>
    <message>
        <source>The length of the recording must be a number of seconds from %1 to %2 (from %3 to %4 samples at the input&apos;s %5 hertz). Type it in the box beside &quot;Record&quot;.</source>
        <translation>La duración de la grabación debe ser un número de segundos de %1 a %2 (de %3 a %4 muestras a los %5 hercios de la entrada). Escríbala en el cuadro junto a &quot;Grabar&quot;.</translation>
    </message>
    <message>
        <source>This program has no sound input here: nothing can be recorded.</source>
        <translation>Este programa no tiene entrada de sonido aquí: no se puede grabar nada.</translation>
    </message>
    <message>
        <source>The sound input cannot be started: %1</source>
        <translation>La entrada de sonido no se puede iniciar: %1</translation>
    </message>
    <message>
        <source>it states no sampling frequency.</source>
        <translation>no indica frecuencia de muestreo.</translation>
    </message>
    <message>
        <source>Too little sound was heard for a frame of %1 samples: nothing was kept.</source>
        <translation>Se oyó demasiado poco sonido para una trama de %1 muestras: no se guardó nada.</translation>
    </message>
    <message>
        <source>The main window is listening to the sound input: choose &quot;Stop listening&quot; in its menu &quot;Sound&quot; before recording.</source>
        <translation>La ventana principal está escuchando la entrada de sonido: elija &quot;Dejar de escuchar&quot; en su menú &quot;Sonido&quot; antes de grabar.</translation>
    </message>
    <message>
        <source>The spectrogram is made from a sound file: open one with &quot;Open&quot;.</source>
        <translation>El espectrograma se hace a partir de un archivo de sonido: abra uno con &quot;Abrir&quot;.</translation>
    </message>
    <message>
        <source>No sound input can be used: there is no microphone or other recording device, or no sound server is running.</source>
        <translation>No se puede usar ninguna entrada de sonido: no hay micrófono ni otro dispositivo de grabación, o no hay ningún servidor de sonido en marcha.</translation>
    </message>
    <message>
        <source>The sound input %1 offers no format of mono samples this program can read.</source>
        <translation>La entrada de sonido %1 no ofrece ningún formato de muestras mono que este programa pueda leer.</translation>
    </message>
    <message>
        <source>The sound input %1 cannot be started.</source>
        <translation>La entrada de sonido %1 no se puede iniciar.</translation>
    </message>
    <message>
        <source>the sound input gave %1 of the %2 samples asked for.</source>
        <translation>la entrada de sonido dio %1 de las %2 muestras pedidas.</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definida</translation>
    </message>
    <message>
        <source>the display %1 does not answer</source>
        <translation>la pantalla %1 no responde</translation>
    </message>
    <message>
        <source>no display available (%1); start it from a desktop session or under xvfb-run</source>
        <translation>no hay pantalla disponible (%1); inícielo desde una sesión de escritorio o con xvfb-run</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>la imagen no se pudo codificar</translation>
    </message>
    <message>
        <source>the new content could not be written</source>
        <translation>el nuevo contenido no se pudo escribir</translation>
    </message>
    <message>
        <source>its mode could not be kept</source>
        <translation>sus permisos no se pudieron conservar</translation>
    </message>
    <message>
        <source>its owner could not be kept</source>
        <translation>su propietario no se pudo conservar</translation>
    </message>
    <message>
        <source>the new content could not be saved to the disk</source>
        <translation>el nuevo contenido no se pudo guardar en el disco</translation>
    </message>
    <message>
        <source>it is not a regular file (a named pipe)</source>
        <translation>no es un archivo normal (una tubería con nombre)</translation>
    </message>
    <message>
        <source>it is not a regular file (a device)</source>
        <translation>no es un archivo normal (un dispositivo)</translation>
    </message>
    <message>
        <source>it is not a regular file (a socket)</source>
        <translation>no es un archivo normal (un socket)</translation>
    </message>
    <message>
        <source>it cannot be reached (%1)</source>
        <translation>no se puede acceder a él (%1)</translation>
    </message>
    <message>
        <source>it cannot be opened for writing</source>
        <translation>no se puede abrir para escribir</translation>
    </message>
    <message>
        <source>its old content could not be kept</source>
        <translation>su contenido anterior no se pudo conservar</translation>
    </message>
    <message>
        <source>its folder refuses new files and no copy of its old content could be kept in %1 (%2)</source>
        <translation>su carpeta rechaza archivos nuevos y no se pudo conservar ninguna copia de su contenido anterior en %1 (%2)</translation>
    </message>
    <message>
        <source>the new content could not be written in place</source>
        <translation>el nuevo contenido no se pudo escribir en su sitio</translation>
    </message>
    <message>
        <source>its folder does not exist</source>
        <translation>su carpeta no existe</translation>
    </message>
    <message>
        <source>it is read-only</source>
        <translation>es de solo lectura</translation>
    </message>
    <message>
        <source>its folder refuses a new file</source>
        <translation>su carpeta rechaza un archivo nuevo</translation>
    </message>
    <message>
        <source>the copy %1 cannot be read</source>
        <translation>la copia %1 no se puede leer</translation>
    </message>
    <message>
        <source>cannot keep %1 as %2</source>
        <translation>no se puede conservar %1 como %2</translation>
    </message>
    <message>
        <source>the sound output cannot be opened</source>
        <translation>la salida de sonido no se puede abrir</translation>
    </message>
    <message>
        <source>the sound output stopped taking samples</source>
        <translation>la salida de sonido dejó de aceptar muestras</translation>
    </message>
    <message>
        <source>the sound output ran out of samples</source>
        <translation>la salida de sonido se quedó sin muestras</translation>
    </message>
    <message>
        <source>the sound output failed</source>
        <translation>la salida de sonido falló</translation>
    </message>
    <message>
        <source>the sound server has no output device</source>
        <translation>el servidor de sonido no tiene dispositivo de salida</translation>
    </message>
    <message>
        <source>no sound server answers (%1)</source>
        <translation>ningún servidor de sonido responde (%1)</translation>
    </message>
    <message>
        <source>the sound system cannot be asked</source>
        <translation>no se puede consultar el sistema de sonido</translation>
    </message>
    <message>
        <source>no sound server answers (it did not reply in time)</source>
        <translation>ningún servidor de sonido responde (no contestó a tiempo)</translation>
    </message>
    <message>
        <source>the picture could not be encoded</source>
        <translation>la imagen no se pudo codificar</translation>
    </message>
    <message>
        <source>the drawing could not be made</source>
        <translation>el dibujo no se pudo hacer</translation>
    </message>
    <message>
        <source>the document could not be begun</source>
        <translation>el documento no se pudo empezar</translation>
    </message>
    <message>
        <source>the document could not be made</source>
        <translation>el documento no se pudo hacer</translation>
    </message>
    <message>
        <source>no room is left: the disk is full or a limit on the size of files was reached</source>
        <translation>no queda espacio: el disco está lleno o se alcanzó un límite del tamaño de los archivos</translation>
    </message>
    <message>
        <source>its permissions allow neither reading nor writing it</source>
        <translation>sus permisos no permiten ni leerlo ni escribirlo</translation>
    </message>
    <message>
        <source>it is a link and its folder refuses the new file that would replace it (the file it leads to is not written through it)</source>
        <translation>es un enlace y su carpeta rechaza el archivo nuevo que lo reemplazaría (el archivo al que lleva no se escribe a través de él)</translation>
    </message>
    <message>
        <source>its permissions do not allow reading it</source>
        <translation>sus permisos no permiten leerlo</translation>
    </message>
    <message>
        <source>it cannot be opened (%1)</source>
        <translation>no se puede abrir (%1)</translation>
    </message>
    <message>
        <source>which is not a whole number from 1 to 32768. Type a whole number of points and save again.</source>
        <translation>que no es un número entero de 1 a 32768. Escriba un número entero de puntos y guarde de nuevo.</translation>
    </message>
    <message>
        <source>which lies beyond the range of numbers. Type a smaller number and save again.</source>
        <translation>que está fuera del rango de los números. Escriba un número menor y guarde de nuevo.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds %2, %3</source>
        <translation>El campo &quot;%1&quot; contiene %2, %3</translation>
    </message>
    <message>
        <source>Nothing was saved.</source>
        <translation>No se guardó nada.</translation>
    </message>
    <message>
        <source>it is a 2D experiment (only 1D is read)</source>
        <translation>es un experimento 2D (solo se lee 1D)</translation>
    </message>
    <message>
        <source>the data type (DTYPA, BYTORDA) is not supported</source>
        <translation>el tipo de datos (DTYPA, BYTORDA) no es compatible</translation>
    </message>
    <message>
        <source>TD is missing</source>
        <translation>falta TD</translation>
    </message>
    <message>
        <source>it holds fewer points than TD says (damaged?)</source>
        <translation>contiene menos puntos de los que dice TD (¿dañado?)</translation>
    </message>
    <message>
        <source>%1 cannot be used: %2</source>
        <translation>%1 no se puede usar: %2</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>es demasiado grande</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>The size SI must be a power of two from 16 to 4194304.</source>
        <translation>El tamaño SI debe ser una potencia de dos de 16 a 4194304.</translation>
    </message>
    <message>
        <source>The spectrometer frequency SF must be a positive number.</source>
        <translation>La frecuencia del espectrómetro SF debe ser un número positivo.</translation>
    </message>
    <message>
        <source>LB, GB, PHC0 and PHC1 must be numbers of sensible size.</source>
        <translation>LB, GB, PHC0 y PHC1 deben ser números de tamaño razonable.</translation>
    </message>
    <message>
        <source>The Gaussian window needs GB between 0 and 1.</source>
        <translation>La ventana gaussiana necesita GB entre 0 y 1.</translation>
    </message>
    <message>
        <source>%1 must be a number.</source>
        <translation>%1 debe ser un número.</translation>
    </message>
    <message>
        <source>The reference value must be a number of ppm.</source>
        <translation>El valor de referencia debe ser un número de ppm.</translation>
    </message>
    <message>
        <source>a line&apos;s check value does not repeat the last value (damaged)</source>
        <translation>el valor de comprobación de una línea no repite el último valor (dañado)</translation>
    </message>
    <message>
        <source>a data line does not start with its abscissa (damaged)</source>
        <translation>una línea de datos no empieza con su abscisa (dañado)</translation>
    </message>
    <message>
        <source>a data line&apos;s abscissa does not follow the previous line (damaged)</source>
        <translation>la abscisa de una línea de datos no sigue a la línea anterior (dañado)</translation>
    </message>
    <message>
        <source>a data line holds a character that is not a number (damaged)</source>
        <translation>una línea de datos contiene un carácter que no es un número (dañado)</translation>
    </message>
    <message>
        <source>a data line starts with a difference (damaged)</source>
        <translation>una línea de datos empieza con una diferencia (dañado)</translation>
    </message>
    <message>
        <source>a repeat count stands where it cannot (damaged)</source>
        <translation>un recuento de repetición está donde no puede estar (dañado)</translation>
    </message>
    <message>
        <source>a line&apos;s check value is missing (damaged)</source>
        <translation>falta el valor de comprobación de una línea (dañado)</translation>
    </message>
    <message>
        <source>the table holds too many points</source>
        <translation>la tabla contiene demasiados puntos</translation>
    </message>
    <message>
        <source>a page names an ordinate the NTUPLES block does not describe</source>
        <translation>una página nombra una ordenada que el bloque NTUPLES no describe</translation>
    </message>
    <message>
        <source>a page holds fewer or more points than VAR_DIM says (damaged?)</source>
        <translation>una página contiene menos o más puntos de los que dice VAR_DIM (¿dañado?)</translation>
    </message>
    <message>
        <source>it is not a JCAMP-DX file</source>
        <translation>no es un archivo JCAMP-DX</translation>
    </message>
    <message>
        <source>a data table&apos;s form is not supported</source>
        <translation>la forma de una tabla de datos no es compatible</translation>
    </message>
    <message>
        <source>it holds a processed spectrum, not an FID</source>
        <translation>contiene un espectro procesado, no un FID</translation>
    </message>
    <message>
        <source>it is not an NMR FID</source>
        <translation>no es un FID de RMN</translation>
    </message>
    <message>
        <source>it lacks a real and an imaginary page of equal length</source>
        <translation>faltan una página real y una imaginaria de igual longitud</translation>
    </message>
    <message>
        <source>Quadrature mode AQ_mod %1 is not supported (only 1 and 3).</source>
        <translation>El modo de cuadratura AQ_mod %1 no es compatible (solo 1 y 3).</translation>
    </message>
    <message>
        <source>The spectral width SW_h is missing.</source>
        <translation>Falta la anchura espectral SW_h.</translation>
    </message>
    <message>
        <source>The digital filter&apos;s delay is unknown (no GRPDLY, DSPFVS, DECIM).</source>
        <translation>El retardo del filtro digital es desconocido (sin GRPDLY, DSPFVS, DECIM).</translation>
    </message>
    <message>
        <source>The spectrometer frequency (SF or BF1) is missing.</source>
        <translation>Falta la frecuencia del espectrómetro (SF o BF1).</translation>
    </message>
    <message>
        <source>a point (0.5)</source>
        <translation>un punto (0.5)</translation>
    </message>
    <message>
        <source>a comma or a point (0,5 or 0.5)</source>
        <translation>una coma o un punto (0,5 o 0.5)</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds %2, which is not a number. Type a number, with %3 as the decimal mark, and calculate again.</source>
        <translation>El campo &quot;%1&quot; contiene %2, que no es un número. Escriba un número, con %3 como separador decimal, y vuelva a calcular.</translation>
    </message>
    <message>
        <source>which is not a number. Type a number, with %1 as the decimal mark, and save again.</source>
        <translation>que no es un número. Escriba un número, con %1 como separador decimal, y guarde de nuevo.</translation>
    </message>
    <message>
        <source>The library %1 cannot be loaded (%2)</source>
        <translation>No se puede cargar la biblioteca %1 (%2)</translation>
    </message>
    <message>
        <source>The program&apos;s sound, printing and SVG module cannot be loaded (%1)</source>
        <translation>No se puede cargar el módulo de sonido, impresión y SVG del programa (%1)</translation>
    </message>
    <message>
        <source>The view settings cannot be kept in %1 (%2).</source>
        <translation>Las preferencias de visualización no se pueden guardar en %1 (%2).</translation>
    </message>
    <message>
        <source>The field &quot;Floor (dB)&quot; holds %1. Type a negative number of decibels, from %2 up to below 0, with %3 as the decimal mark.</source>
        <translation>El campo &quot;Suelo (dB)&quot; contiene %1. Escriba un número negativo de decibelios, de %2 hasta por debajo de 0, con %3 como separador decimal.</translation>
    </message>
    <message>
        <source>%1 must be a number from %2 to %3.</source>
        <translation>%1 debe ser un número de %2 a %3.</translation>
    </message>
    <message>
        <source>The multiplet must be s, d, t, q, quint, sext, sept or its number of lines (1 to 13).</source>
        <translation>El multiplete debe ser s, d, t, q, quint, sext, sept o su número de líneas (1 a 13).</translation>
    </message>
    <message>
        <source>Points must be a whole number from 16 to 262144.</source>
        <translation>Los puntos deben ser un número entero de 16 a 262144.</translation>
    </message>
    <message>
        <source>At most %1 lines can be simulated.</source>
        <translation>Como máximo se pueden simular %1 líneas.</translation>
    </message>
    <message>
        <source>Add a line to the list first: a FID needs something to decay.</source>
        <translation>Añada antes una línea a la lista: un FID necesita algo que decaiga.</translation>
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
        <translation>coseno</translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation>Onda sinusoidal</translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation>Onda cuadrada</translation>
    </message>
    <message>
        <source>Triangular Wave</source>
        <translation>Onda triangular</translation>
    </message>
    <message>
        <source>Data of %1</source>
        <translation>Datos de %1</translation>
    </message>
    <message>
        <source>Frequency of file: %1 Hz</source>
        <translation>Frecuencia del archivo: %1 Hz</translation>
    </message>
    <message>
        <source>Number of points: %1</source>
        <translation>Número de puntos: %1</translation>
    </message>
    <message>
        <source>Window: %1 seconds</source>
        <translation>Ventana: %1 segundos</translation>
    </message>
    <message>
        <source>Data window (complemented with zeros): %1 seconds</source>
        <translation>Ventana de datos (completada con ceros): %1 segundos</translation>
    </message>
    <message>
        <source>2. Parameters</source>
        <translation>2. Parámetros</translation>
    </message>
    <message>
        <source>2.1. number of cycles per second: %1 cycles</source>
        <translation>2.1. número de ciclos por segundo: %1 ciclos</translation>
    </message>
    <message>
        <source>2.2. data window (complemented with zeros): %1 second</source>
        <translation>2.2. ventana de datos (completada con ceros): %1 segundo</translation>
    </message>
    <message>
        <source>2.3. parameters of the functions</source>
        <translation>2.3. parámetros de las funciones</translation>
    </message>
    <message>
        <source>3. RESULT</source>
        <translation>3. RESULTADO</translation>
    </message>
    <message>
        <source>frequencies</source>
        <translation>frecuencias</translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation>amplitud</translation>
    </message>
    <message>
        <source>phase </source>
        <translation>fase </translation>
    </message>
    <message>
        <source> (See Help!)</source>
        <translation> (¡Vea la Ayuda!)</translation>
    </message>
    <message>
        <source>present</source>
        <translation>presente</translation>
    </message>
    <message>
        <source>(radians)</source>
        <translation>(radianes)</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>1. Function analysed f(t): %1</source>
        <translation>1. Función analizada f(t): %1</translation>
    </message>
    <message>
        <source>Window function: %1</source>
        <translation>Función ventana: %1</translation>
    </message>
    <message>
        <source>2.4. window function: %1</source>
        <translation>2.4. función ventana: %1</translation>
    </message>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Short vertical marks: the window&apos;s harmonic markers, a fundamental and its harmonics.</source>
        <translation>Marcas verticales cortas: los marcadores de armónicos de la ventana, una fundamental y sus armónicos.</translation>
    </message>
    <message>
        <source>imaginary part</source>
        <translation>parte imaginaria</translation>
    </message>
    <message>
        <source>real part</source>
        <translation>parte real</translation>
    </message>
    <message>
        <source>real part (scale of the largest part)</source>
        <translation>parte real (escala de la mayor parte)</translation>
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
        <translation>%1, ventana de %2</translation>
    </message>
    <message>
        <source>%1, N = %2 points</source>
        <translation>%1, N = %2 puntos</translation>
    </message>
    <message>
        <source> (% of the largest)</source>
        <translation> (% del mayor)</translation>
    </message>
    <message>
        <source> (units of the spectrum list)</source>
        <translation> (unidades de la lista del espectro)</translation>
    </message>
    <message>
        <source>samples f(t)</source>
        <translation>muestras f(t)</translation>
    </message>
    <message>
        <source>time (s)</source>
        <translation>tiempo (s)</translation>
    </message>
    <message>
        <source>f(t) (sample value)</source>
        <translation>f(t) (valor de la muestra)</translation>
    </message>
    <message>
        <source>The vertical line marks the middle of the sampled window.</source>
        <translation>La línea vertical marca el centro de la ventana muestreada.</translation>
    </message>
    <message>
        <source>%1 of the Fourier transform</source>
        <translation>%1 de la transformada de Fourier</translation>
    </message>
    <message>
        <source>frequency (Hz)</source>
        <translation>frecuencia (Hz)</translation>
    </message>
    <message>
        <source>, expanded to %1 to %2 Hz</source>
        <translation>, ampliado de %1 a %2 Hz</translation>
    </message>
    <message>
        <source>%1 of the Fourier transform on a musical scale</source>
        <translation>%1 de la transformada de Fourier en escala musical</translation>
    </message>
    <message>
        <source>frequency (Hz), logarithmic scale, over the piano keyboard</source>
        <translation>frecuencia (Hz), escala logarítmica, sobre el teclado del piano</translation>
    </message>
    <message>
        <source>level (dB)</source>
        <translation>nivel (dB)</translation>
    </message>
    <message>
        <source>Spectrogram of the sound file %1, level in dB, Hann window, N = %2 points per frame, every %3 points</source>
        <translation>Espectrograma del archivo de sonido %1, nivel en dB, ventana de Hann, N = %2 puntos por trama, cada %3 puntos</translation>
    </message>
    <message>
        <source>of the sound file %1</source>
        <translation>del archivo de sonido %1</translation>
    </message>
    <message>
        <source>of a sine wave</source>
        <translation>de una onda senoidal</translation>
    </message>
    <message>
        <source>of a square wave</source>
        <translation>de una onda cuadrada</translation>
    </message>
    <message>
        <source>of a triangular wave</source>
        <translation>de una onda triangular</translation>
    </message>
    <message>
        <source>of a simple wave</source>
        <translation>de una onda simple</translation>
    </message>
    <message>
        <source>of a sum of sines, %1 cycles per second</source>
        <translation>de una suma de senos, %1 ciclos por segundo</translation>
    </message>
    <message>
        <source>of a sum of cosines, %1 cycles per second</source>
        <translation>de una suma de cosenos, %1 ciclos por segundo</translation>
    </message>
    <message>
        <source>chemical shift (ppm)</source>
        <translation>desplazamiento químico (ppm)</translation>
    </message>
    <message>
        <source>intensity (arbitrary units)</source>
        <translation>intensidad (unidades arbitrarias)</translation>
    </message>
    <message>
        <source> (grey)</source>
        <translation> (gris)</translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About  %1</source>
        <translation>Acerca de  %1</translation>
    </message>
    <message>
        <source>Version %1.%2  (1998)</source>
        <translation>Versión %1.%2  (1998)</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Info. del sistema...</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The objective of this program is to help the Chemistry student to understand some practical aspects of the application of the Fourier Transform to the analysis of spectroscopic data and of several simple and complex periodic functions. Many different periodic functions can be generated and then analysed.</source>
        <translation>El objetivo de este programa es ayudar al estudiante de Química a comprender algunos aspectos prácticos de la aplicación de la Transformada de Fourier al análisis de datos espectroscópicos y de varias funciones periódicas simples y complejas. Se pueden generar y luego analizar muchas funciones periódicas distintas.</translation>
    </message>
    <message>
        <source>This program was made in 1998 exclusively for didactic purposes, as a teaching aid for Chemistry students.</source>
        <translation>Este programa se hizo en 1998 exclusivamente con fines didácticos, como ayuda para la enseñanza a estudiantes de Química.</translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source> Warning: Do not use on Fridays after 4 PM (THE WEEKEND IS FOR RESTING)</source>
        <translation> Aviso: no lo use los viernes después de las 16 h (EL FIN DE SEMANA ES PARA DESCANSAR)</translation>
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
        <translation>Versión 1.0</translation>
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
        <translation>%1, fila %2</translation>
    </message>
</context>
</TS>
