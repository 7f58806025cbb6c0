# The Debian package: `cpack -G DEB` in a Release build (./scripts/package does it all) makes
# ondrik_VERSION_ARCH.deb of what `cmake --install` lays out under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ondrik)
set(CPACK_PACKAGE_VENDOR Kestrune)
set(CPACK_PACKAGE_CONTACT "${ondrik_maintainer}")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop IDE for the Java Development Kit")
set(CPACK_PACKAGE_DESCRIPTION
    "Ondrik edits Java sources and HTML pages in syntax-coloured windows, groups
them into a project, shows the project's files, classes and methods in a
tree, and compiles, builds, runs, debugs and packs it with the JDK's own
tools, whose output streams into a Process Window. Builds and runs also work
from a shell.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION devel)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://ondrik.kestrune.example/)
# The libraries come from dpkg-shlibdeps; the JDK must have AWT, for the templates' windows and
# the applet host, and be at least the one the applet host is compiled for.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "default-jdk (>= 2:1.17) | java17-sdk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, xterm | x-terminal-emulator")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "default-jdk-doc")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# No maintainer scripts: the desktop's menu, MIME and icon caches are refreshed by the dpkg
# triggers of desktop-file-utils, shared-mime-info and the icon cache when their folders change.

include(CPack)
