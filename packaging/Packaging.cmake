# The .deb package: `cpack` in the build folder writes kolvira_<version>_<arch>.deb.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kolvira)
set(CPACK_PACKAGE_VENDOR "Kolvira")
set(CPACK_PACKAGE_CONTACT "The Kolvira team <kolvira@kolvira.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prayer-times calendar for Albanian-speaking Muslims")
# Debian wants the long description in lines shorter than 80 characters.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Kolvira lives in the notification area of the desktop and shows today's"
    "date in the Gregorian and the Hijri calendar, the clock and the seven"
    "times of the day for the selected city. At the dawn prayer and the four"
    "later prayers it plays the adhan and brings its window forward. It"
    "converts a birth date to the Hijri calendar. Its texts are Albanian."
    ""
    "The two adhan recordings are not part of the package; the user guide"
    "/usr/share/doc/kolvira/udhezuesi.md says how to choose them.")

set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The Kolvira team <kolvira@kolvira.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The autostart entry lies in /etc: dpkg keeps the administrator's changes to it.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/conffiles
     CONTENT "@KOLVIRA_AUTOSTART_DIR@/kolvira.desktop\n" @ONLY)
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_BINARY_DIR}/conffiles)
# The libraries the programs link come from dpkg-shlibdeps; what Qt and
# GStreamer load as plugins at run time it cannot see: the SQLite driver, the
# SVG icon engine, and the GStreamer elements that play an mp3 file
# (playbin from -base; the mpg123 decoder and the PulseAudio sink from -good),
# the font the printed timetable is set in, which has the Albanian letters,
# the files the place search reads (GeoNames' towns and the countries' names
# in Albanian), and the sound theme whose alert is heard when no adhan
# recording is there.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libqt6sql6-sqlite, libqt6svg6, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good, fonts-dejavu-core, libtimezonemap-data, iso-codes, sound-theme-freedesktop")

include(CPack)
