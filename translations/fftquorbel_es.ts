<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>CommandLine</name>
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
  --negative        &quot;Show also negative frequencies&quot; (needs --method complex)
  --show Q          what the FFT graph shows: rho (the default), imag, real,
                    realg (real with global maximum) or both (&quot;Both, separately&quot;)
  --halve K         press &quot;Change (*1/2)&quot; K times (0 to 1000)
  --expand X1,X2    press &quot;Horizontal&quot;, then click the right button on the FFT
                    graph at X1 and at X2 (twips, 0 to 7665 across the graph)
  --scroll S        move the scroll bar of the expanded graph to S (the first
                    bin shown; needs --expand)
  --log             press &quot;Log&quot;: the musical scale, over a piano keyboard
  --tuning S        &quot;Tuning - On&quot;, then the tuning slider to S tenths of a
                    semitone (-10 to 10; needs --log)
  --svg             render: also the SVG drawings
  -h, --help        print this help and stop

An option may also be written --name=value.

Exit status: 0 when the window showed no message; 1 when it did (each message is
printed on standard error, after the list), or when a control asked for cannot
be used in the state reached (a disabled menu entry, a hidden scroll bar); 2
for a usage error or an opening-parameters file that cannot be used (one line
on standard error, no list).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write the default opening parameters: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot use the opening parameters in %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot copy %1 to a temporary folder: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no QGuiApplication: the graphs cannot be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the window cannot start from the opening parameters in %1 (it would use the default record instead)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be used in the state the window has reached</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The CSV cannot be made: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Filters</name>
    <message>
        <source>Sound Wave Files (*.raw)|*.raw|Sound files (*.raw *.wav *.flac *.ogg *.oga *.opus *.aif *.aiff *.au *.snd *.caf *.w64 *.rf64 *.voc *.mat *.sd2 *.iff *.svx *.nist *.sph *.htk *.avr *.pvf *.xi *.paf *.wve *.mpc)|*.raw;*.wav;*.flac;*.ogg;*.oga;*.opus;*.aif;*.aiff;*.au;*.snd;*.caf;*.w64;*.rf64;*.voc;*.mat;*.sd2;*.iff;*.svx;*.nist;*.sph;*.htk;*.avr;*.pvf;*.xi;*.paf;*.wve;*.mpc|All files (*)|*</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image Files (Bitmaps)(*.bmp)|*.bmp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files|*.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images|*.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawings|*.svg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Frequency of File .raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panoramic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning - Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning - On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fix</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency of the File *.raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type here the desired value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Press the right button of the mouse and drag it! </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Both, separately</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate and plot again f(t) and FFT graphs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate and plot again f(t) graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate and plot again the Fourier transform graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating imaginary parts (only for calculated waves)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel all expansions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel expansions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel modifications in the number of points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change (*1/2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change scales of FFT graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create bitmap of the FFT graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data extension in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divide the height of peaks by two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Examples</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expansion</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT Quorbel 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT graph as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT graph as SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files  *.raw...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function to be analysed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph of f (t)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph of f(t) as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph of f(t) as SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph of the Fourier Transform  ( FFT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph of the Original function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaginary (i)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Imaginary parts set to zero (only for calculated waves)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiple waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Multiply the height of peaks by 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musical analysis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musical graph as PNG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Musical graph as SVG...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of data points in the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyquist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only FFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only f(t)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG at double resolution</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print FFT graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw data renewal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real (r)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Real with global maximum (r)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reduce to one half the number of points, and complement the window with zeros</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report as text...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samples as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Only positive frequencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show also negative frequencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple wave to be analysed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simple waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sine wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spectrum as CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Splash observe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start horizontal expansion process</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Through REALFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of points in f(t) graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangular wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try it!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the desired value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the slider to move the graph of 1/10 of a semitone for each unity of the slider.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vector Rho = (r2+i2)^(1/2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waves</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Width (seconds):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(t) = +1 if sin(2πνt + φ) ≥ 0, else −1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(t) = sin(2πνt + φ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(t) = triangle between +1 and −1, phase φ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(t) = Σ aᵢ·cos(bᵢ·2πνt + θᵢ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(t) = Σ aᵢ·sin(bᵢ·2πνt + φᵢ)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT Quorbel - Opening Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function to be analysed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The FFT needs 1024 points (a power of two).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use this form if you want to modify the parameters which are used when the program is opened. After introducing the desired modifications, choose one of the buttons below, as you prefer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With another number of points f(t) is drawn but not transformed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>b</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>f(t) = a Sin(2πνt + φ)
ν = b × number of cycles</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>FFT Quorbel - Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form4</name>
    <message>
        <source>Maximum error=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum relative error=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>undefined</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Table of all Points of  both Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of points: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points of original function || Points of recovered function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT Quorbel - Results of the inverse calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Original Function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovered Function</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form5</name>
    <message>
        <source>FFT Quorbel - Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form6</name>
    <message>
        <source>Only the first %1 of the file&apos;s %2 samples are shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT Quorbel - Files  *.raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency of file .raw (modify by typing a new value if necessary):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean of the channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points in the File:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Points in the graph:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected points:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files with several channels: plot and transfer the first channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files with several channels: plot and transfer the mean of all channels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calculation will not produce good results with a number of points below  1024. Select a little bit larger region. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frequency of the file must be a number of hertz from 1 to 1000000 (for example 22050). Type it in the box above and transfer again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To be transferred:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To perform the Fourier Transform calculation, a part of the graph must be selected. Just drag the mouse over the graph (from left to right), with the left button pressed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transfer selected points for FFT calculations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the menu &quot;Open&quot; to plot the data of some file *.raw.Then select the part of the graph which will be used to make the Fourier Transform calculation.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form7</name>
    <message>
        <source>Example</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT Quorbel - Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form8</name>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT Quorbel - Bitmap creating</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save image</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Graphs</name>
    <message>
        <source>frequency, (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fourier Transform, F</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Graph of Fourier Transform F(</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency (Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT-Imaginary Part</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT-Real Part</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source> an integer value (up to 52 Hz), the &lt;i&gt;Report&lt;/i&gt; will always show correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(or &lt;i&gt;aliased&lt;/i&gt;) into the range, thus producing results that can be hard to understand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nyquist Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One should consider that the program uses, for this calculation,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase (Report)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &lt;i&gt;phase&lt;/i&gt; value shown in the &lt;i&gt;Report&lt;/i&gt; (which is produced under</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The product of the &lt;i&gt;number of cycles&lt;/i&gt; by the constant &lt;i&gt;b&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thus, the values of the real part and of the imaginary part which are used in the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transform will produce only integer values for the frequencies, as each point of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try, for instance, the values 0, 1, 2, 3, 4, 5, 6 in the &lt;g&gt;f&lt;/g&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>be very close to the correct values) while others will be fractions, and the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>calculation of the phase belong to an &lt;i&gt;integer frequency&lt;/i&gt;, and not to the correct </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>column, using the same values of &lt;i&gt;a&lt;/i&gt; and &lt;i&gt;b&lt;/i&gt; which are shown when the program is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>correct. Try also the &lt;i&gt;number of cycles&lt;/i&gt;30.5: with this value, some of the</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>corresponding values of phases will not be correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found by the Fourier Transform, which can be an inexact value depending on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fraction, some or all the frequencies can also be fractions; however, the Fourier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequencies will be integer values (and the corresponding values of phases will</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency, which is a fraction (and thus does not belong to the calculated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>if the value of the &quot;number of cycles&quot; (or some value of the &quot;b&quot; column) is a</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of 1024 points), otherwise the range determined by the Nyquist critical frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>of phase shown has nothing to do with the actual value.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>opened (or just click the &quot;Example&quot; button on your left). Using as &lt;i&gt;number of cycles&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>per cycle are collected). The result is that this frequency, out of the range, will be reflected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>points). The result, obviously, will not be correct.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>request through the menu &quot;File&quot;) is calculated on the assumption that the &lt;i&gt;exact&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>should not be larger than 512 for any frequency in this program (which uses a fixed total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Transform corresponds to 1 Hz, because the window width is 1 second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the size of the window, etc. For instance, in the case of &quot;Multiple Frequencies&quot;,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the values of the real part and of the imaginary part of a &lt;i&gt;certain frequency&lt;/i&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value of the corresponding frequency is known. If this is not the case, the value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>values for the phases, while when using fraction values the results will not be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>will be exceeded (this means that there will be a frequency for which &lt;i&gt;less&lt;/i&gt; than two points</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>The opening-parameters file %1 could not be restored from its kept copy: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The length of %1 cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be opened for reading.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is empty: it holds no samples to plot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 became shorter while it was read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No samples were selected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is shorter than when it was plotted; open it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is not a sound file this window can open: its content is in no sound format it knows, and only a name ending in .raw is read as headerless bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be read (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is a damaged sound file (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 holds its sound in an encoding this window cannot decode.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is a sound file whose header is incomplete: it states no sampling frequency, no channel or no sample format that can be used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is a sound file whose header is incomplete: it states no sampling frequency or no channel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be written: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expansion with less than 5 points will produce error in calculations and, anyway, would be useless. Choose a larger interval!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to export because the parameters were changed. Click in BOTH to recalculate and plot the graphs and then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The FFT graph is not shown. Show it and then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The musical graph is not shown. Click in &quot;Log&quot; to show it and then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report cannot be made while both graphs are shown separately. Choose one quantity and then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The inverse transform works on 2 to %1 points, a power of two; the total number of points is %2. Nothing was calculated.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opening-parameters file %1 cannot be created (%2). The program stops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The default opening parameters could not be loaded from %1. The program stops.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (row %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of points in f(t) graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of data points in the window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data extension in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window Width (seconds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds %2, which is not a number. Type a number and calculate again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to print the report because the parameters were changed. Click in BOTH to recalculate and plot the graphs and then try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not possible to print the graph and the report because parameters were changed. Click in BOTH to replot the graphs and then retry to print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The total number of points must lie between 1 and %1; the field holds %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This wave is calculated with at most %1 data points in the window; the field holds %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of points and the cycles cannot be read from the opening parameters (%1); the fields keep their values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculated waves are transformed with 1024 points; the total number of points is %1. Nothing was transformed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound data are transformed in powers of two up to 32768 samples; %1 samples cannot be transformed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make your own code for this operation!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total number of points</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of cycles (per second)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opening parameters cannot be read from %1 (%2). Type them and choose &quot;Save&quot; to write a new file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; holds %2, %3 Nothing was saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which is not a number of points from 1 to 32767.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>which is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The opening parameters cannot be saved in %1 (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print to a PDF file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer cannot be used.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <source>sine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cosine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sine Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Triangular Wave</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency of file: %1 Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of points: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window: %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data window (complemented with zeros): %1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.1. number of cycles per second: %1 cycles</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.2. data window (complemented with zeros): %1 second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2.3. parameters of the functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. RESULT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequencies</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>amplitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>phase </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (See Help!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>present</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(radians)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Function analysed f(t): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmAbout</name>
    <message>
        <source>About  %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2  (1998)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The objective of this program is to help the Chemistry student to understand some practical aspects of the application of the Fourier Transform to the analysis of spectroscopic data and of several simple and complex periodic functions. Many different periodic functions can be generated and then analysed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program was made in 1998 exclusively for didactic purposes, as a teaching aid for Chemistry students.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmSplash</name>
    <message>
        <source> Warning: Do not use on Fridays after 4 PM (THE WEEKEND IS FOR RESTING)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FFT Quorbel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 1.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows95</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
