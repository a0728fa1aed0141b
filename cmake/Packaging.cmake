# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package. In the build directory,
#
#   cpack -G DEB
#
# makes lirem3_<version>_<arch>.deb holding exactly what the install rules
# install: the two programs, their manual pages, the desktop entry, the icons,
# the AppStream metadata, the copyright file and the changelog. Tests,
# benchmarks and build tools have no install rules and so never reach the
# package. The package preset (CMakePresets.json) builds it hardened:
#
#   cmake --workflow --preset package

# The project maintains its package itself, under the name of the project's
# account; packagers of a distribution set their own.
set(LIREM_PACKAGE_MAINTAINER "The Lirem developers <lirem@users.noreply.github.com>"
    CACHE STRING "Maintainer field of the Debian package")
set(LIREM_HOMEPAGE "https://github.com/lirem/lirem3" CACHE STRING "Homepage of the project")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME lirem3)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Lirem developers")
set(CPACK_PACKAGE_CONTACT ${LIREM_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_HOMEPAGE_URL ${LIREM_HOMEPAGE})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "numerology calculator for a birth date and a name")
set(CPACK_PACKAGE_DESCRIPTION
"Lirem 3.0 is a numerology calculator with a Russian interface. From a birth
date and a full name it computes the core numbers with their karmic numbers,
their synthesis, the letter spectrum of the name, the compatibility with a
partner, the pinnacles, periods and challenges, a calendar of personal years,
months and days, and the number of any text. The command lirem-report prints
the same results as text or JSON.

Лирем 3.0 - нумерологический калькулятор с русским интерфейсом. По дате
рождения и полному имени он вычисляет основные и кармические числа, их
синтез, спектр имени, совместимость с партнёром, вершины, периоды и
испытания, календарь личных лет, месяцев и дней и число любого текста.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Linked libraries come from dpkg-shlibdeps. The plugins the program loads
# at run time ship with libraries it links, so they are covered as well: the
# X11 platform plugin with libqt6gui6, the SVG image-format and icon-engine
# plugins with libqt6svg6 (tests/package checks that both stay in Depends).
# Named here is what no binary links: the fonts the window asks for, and the
# native Wayland platform as a recommendation (without it Qt uses XWayland).
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, fonts-dejavu-core, qt6-translations-l10n")

include(CPack)
