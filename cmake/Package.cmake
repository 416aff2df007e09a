# The Debian package (scripts/package.sh): cpack -G DEB over a Release build
# installed into /usr. Its dependencies are those of the libraries the
# programs link (dpkg-shlibdeps) and what they load at run time, which no link
# names: Qt's platform, picture kind and SVG plugins, and espeak-ng's voices.
# Qt's sound plugins come with libqt6multimedia6, which the programs link.
# Qt's own translations (qt6-translations-l10n) name the standard buttons in
# the chosen language.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tessellor)
set(CPACK_PACKAGE_VENDOR "The Tessellor developers")
set(CPACK_PACKAGE_CONTACT "The Tessellor developers <developers@tessellor.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://tessellor.org/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-image-formats-plugins, libqt6svg6, espeak-ng-data, qt6-translations-l10n")
# Qt plays and records through a PulseAudio server here (PipeWire's stands in
# for it); without one the editor runs silent. Desktops have one already.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pulseaudio | pipewire-pulse")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "card set editor of a memory game")
# The long description only: CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tessellor makes and edits the card sets of a memory (pairs-matching) game:
a cover and forty cards made from pictures, texts and sounds, kept as a
folder of BMP pictures, WAV sounds and a small settings file. It plays the
set's game, prints its cards, exports it as a web page that plays offline,
and exchanges sets as one file that opens with a double click.

The package holds the editor and tessellor-tool, its command-line companion.")
include(CPack)
