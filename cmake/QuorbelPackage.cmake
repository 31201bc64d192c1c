# The Debian package, made by CPack from every install rule of the project (programs,
# desktop files, manual pages, translations, documents): nothing is listed here by
# hand. `cpack -G DEB` in a build folder makes it; scripts/package-deb.sh builds in
# Release first.
set(QUORBEL_PACKAGE_MAINTAINER "The FFT Quorbel developers <developers@quorbel.invalid>"
  CACHE STRING "Maintainer field of the Debian package")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${QUORBEL_PACKAGE_NAME})
set(CPACK_PACKAGE_VENDOR "The FFT Quorbel developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Fourier transform tutor for chemistry students")
# Debian's long description, put after the summary line; CPack indents it and
# turns the empty lines between paragraphs into Debian's lone periods.
set(CPACK_PACKAGE_DESCRIPTION "FFT Quorbel teaches the practical use of the Fourier transform. The student
picks a periodic test function - a sum of up to ten sines or cosines, or a
single sine, square or triangular wave - which the program samples over one
second, transforms with a radix-2 FFT and draws beside its spectrum: real and
imaginary parts, modulus, positive or also negative frequencies.

A musical graph places the peaks of a spectrum on a piano keyboard, with note
names and harmonic marks; recorded sounds (raw 8-bit samples, WAV, FLAC, Ogg)
are analysed the same way. A report lists the frequencies present with their
amplitudes and phases, the inverse transform is compared with the samples, and
the samples, the spectrum, the report and the graphs can be exported as CSV,
text, PNG and SVG for worksheets.

The command-line companion fftquorbel-cli drives the same windows off screen
and prints their data lists, reports and pictures.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${QUORBEL_PACKAGE_MAINTAINER})
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Depends is worked out by dpkg-shlibdeps from the libraries the programs and the media
# module link, beside the two libraries the programs load by name on first use (the
# sound file and rate conversion libraries: sound/SoundLibraries.h).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsndfile1, libsamplerate0")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
include(CPack)
