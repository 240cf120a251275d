# cpack -G DEB in the build folder makes liorna_VERSION-RELEASE_ARCH.deb.
set(CPACK_PACKAGE_NAME liorna)
set(CPACK_PACKAGE_VENDOR "Liorna developers")
set(CPACK_PACKAGE_CONTACT "Liorna developers <liorna@liorna.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# One package of everything but the bin/ link, plus the Debian changelog.
set(CPACK_COMPONENTS_ALL Unspecified debian)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
set(CPACK_DEBIAN_PACKAGE_NAME liorna)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${LIORNA_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://liorna.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so the shared-library scan cannot see them: the fonts the pictures are drawn
# with, Qt's platform plugins and translations. QSoundEffect loads no plugin: Qt Multimedia 6.4 talks
# to the sound server through libpulse (and its /etc/pulse/client.conf), named here because we do not
# link it ourselves. The server itself (PipeWire's or PulseAudio) belongs to the desktop; without one
# the cues are silent, which is not an error. xdg-open lets F1 use the desktop's viewer; Qt's Wayland
# plugin lets the game run as a native client of a Wayland session (without it Qt falls back to X11).
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2, fonts-dejavu-core, qt6-qpa-plugins, qt6-translations-l10n, libpulse0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "pipewire-pulse | pulseaudio, xdg-utils, qt6-wayland")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "two-handed trick-taking card game against the computer")
# CPack puts the summary above this as the synopsis line.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Liorna is a card game with 36 cards for one player against the computer.
The leader lays one to five cards of one suit and the other side must beat
every one of them or give the trick up; every deal has a trump. Points taken
in tricks decide the penalties, and a match runs to a chosen number of them.
.
Won matches uncover bonus pictures that become card backs, and statistics
are kept per match length. The interface is in Russian.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
