# Installed layout (programs, help, manual pages, desktop entry, AppStream
# data, icon, MIME types, changelog and copyright) and the Debian package built
# from it by `cpack -G DEB`.
include(GNUInstallDirs)

set(BRUMELLE_DATA ${PROJECT_SOURCE_DIR}/data)
set(BRUMELLE_HELP ${BRUMELLE_DATA}/help/brumelle.html)

install(TARGETS brumelle brumelle-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})

# The program looks for its help beside the executable first (the build tree),
# then in ../share/brumelle from the executable's folder: the installed copy.
install(FILES ${BRUMELLE_HELP} DESTINATION ${CMAKE_INSTALL_DATADIR}/brumelle)
# An OUTPUT cannot name $<TARGET_FILE_DIR:brumelle>; the install test checks both agree.
get_target_property(brumelle_dir brumelle RUNTIME_OUTPUT_DIRECTORY)
if(NOT brumelle_dir)
  get_target_property(brumelle_dir brumelle BINARY_DIR)
endif()
add_custom_command(OUTPUT ${brumelle_dir}/brumelle.html
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${BRUMELLE_HELP} ${brumelle_dir}/brumelle.html
  DEPENDS ${BRUMELLE_HELP}
  COMMENT "Copying the help beside brumelle")
add_custom_target(brumelle_help_copy DEPENDS ${brumelle_dir}/brumelle.html)
add_dependencies(brumelle brumelle_help_copy)

# The desktop entry and the AppStream data are named by the program's id, in
# the reverse-DNS form AppStream asks for; src/app/main.cpp gives the window
# system the same id.
set(BRUMELLE_APP_ID org.example.brumelle)
install(FILES ${BRUMELLE_DATA}/${BRUMELLE_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${BRUMELLE_DATA}/${BRUMELLE_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${BRUMELLE_DATA}/brumelle.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${BRUMELLE_DATA}/brumelle-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
        RENAME brumelle.xml)
# Debian wants the licence terms under this exact name.
install(FILES ${BRUMELLE_DATA}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brumelle)

# The changelog and the manual pages are installed compressed, as Debian wants
# them; gzip -n leaves out the name and the time, so the archive is the same
# at every build.
find_program(BRUMELLE_GZIP gzip REQUIRED)
# A new version must not ship last version's history, release or page footers.
string(REPLACE "." "\\." brumelle_version_re ${PROJECT_VERSION})
foreach(file_and_text IN ITEMS "changelog|^brumelle \\(${brumelle_version_re}\\) "
                              "${BRUMELLE_APP_ID}.metainfo.xml|<release version=\"${brumelle_version_re}\""
                              "man/brumelle.1|\"Brumelle ${brumelle_version_re}\""
                              "man/brumelle-cli.1|\"Brumelle ${brumelle_version_re}\"")
  string(REPLACE "|" ";" file_and_text "${file_and_text}")
  list(GET file_and_text 0 file)
  list(GET file_and_text 1 text)
  file(READ ${BRUMELLE_DATA}/${file} content)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${BRUMELLE_DATA}/${file})
  if(NOT content MATCHES "${text}")
    message(FATAL_ERROR "data/${file} does not name version ${PROJECT_VERSION}")
  endif()
endforeach()
set(brumelle_gz_sources ${BRUMELLE_DATA}/changelog ${BRUMELLE_DATA}/man/brumelle.1 ${BRUMELLE_DATA}/man/brumelle-cli.1)
set(brumelle_gz_outputs)
foreach(source IN LISTS brumelle_gz_sources)
  get_filename_component(name ${source} NAME)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/compressed/${name}.gz)
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/compressed
    COMMAND ${BRUMELLE_GZIP} -9n -c ${source} > ${output}
    DEPENDS ${source}
    COMMENT "Compressing ${name}")
  list(APPEND brumelle_gz_outputs ${output})
endforeach()
add_custom_target(brumelle_compressed_docs ALL DEPENDS ${brumelle_gz_outputs})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/brumelle)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/compressed/brumelle.1.gz ${CMAKE_CURRENT_BINARY_DIR}/compressed/brumelle-cli.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

add_subdirectory(tests/install)

# --- Debian package ---------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brumelle)
set(CPACK_PACKAGE_VENDOR "Brumelle developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Brumelle developers <brumelle@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "psychrometric chart and air-treatment calculations for HVAC engineers")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
# Folders that must never end up in a source archive.
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git/")

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brumelle developers <brumelle@example.org>")
# CPack puts the summary above as the synopsis line and indents these lines by
# a space; it drops blank lines, hence the "." between the paragraphs.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Brumelle draws the psychrometric chart of moist air at a chosen pressure and
reads out every property of the point under the mouse. It computes heating and
cooling coils, air washers, steam humidifiers and the mixing of two airflows,
sizes the equipment of an air-handling unit and draws the treatments over the
chart. Its interface is in French. brumelle-cli draws the chart and runs the
calculations of a document without a display.
.
Diagramme de l'air humide et calculs de traitement d'air pour les
ingénieurs en génie climatique : lecture de toutes les grandeurs du point
sous la souris, batteries chaude et froide, laveur d'air, humidificateur à
vapeur, mélange de deux débits et dimensionnement d'une centrale de
traitement d'air.")
# Library packages come from dpkg-shlibdeps; the rest is loaded at run time:
# the toolkit's French dialogs and the chart's font.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2")
# Only their triggers refresh the MIME, desktop-entry and icon caches; without
# them nothing reads those caches, so they need not be hard dependencies.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)

include(CPack)
