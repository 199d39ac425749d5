# SPDX-FileCopyrightText: 2026 Los autores de Quorel
# SPDX-License-Identifier: GPL-3.0-or-later

# Installation and the Debian package. Included at the end of the top-level
# CMakeLists.txt, after every program target exists.
include(GNUInstallDirs)

# Debian puts games in /usr/games; their data stays under /usr/share.
set(QUOREL_GAMES_DIR games)
set(QUOREL_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/quorel)
set(QUOREL_MAN6_DIR ${CMAKE_INSTALL_MANDIR}/man6)
# Directories made on the way get 0755 whatever the umask of the build.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(quorel_programs quorel)
if(TARGET quorel-solucion)
    list(APPEND quorel_programs quorel-solucion)
endif()

# Manual pages and the changelog are installed gzip-compressed, as Debian
# wants them; -n leaves out the name and time stamp, so builds are repeatable.
set(quorel_gzipped)
function(quorel_gzip source output)
    add_custom_command(
        OUTPUT ${output}
        COMMAND gzip -9n -c ${source} > ${output}
        DEPENDS ${source}
        VERBATIM)
    set(quorel_gzipped ${quorel_gzipped} ${output} PARENT_SCOPE)
endfunction()

set(quorel_gz_dir ${PROJECT_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${quorel_gz_dir})
foreach(program IN LISTS quorel_programs)
    quorel_gzip(${PROJECT_SOURCE_DIR}/data/man/${program}.6 ${quorel_gz_dir}/${program}.6.gz)
endforeach()
quorel_gzip(${PROJECT_SOURCE_DIR}/data/deb/changelog ${quorel_gz_dir}/changelog.gz)
add_custom_target(quorel_packaging_files ALL DEPENDS ${quorel_gzipped})

# Everything the package holds: `cmake --build DIR --target quorel_package`.
add_custom_target(quorel_package)
add_dependencies(quorel_package ${quorel_programs} quorel_packaging_files)

install(TARGETS ${quorel_programs} RUNTIME DESTINATION ${QUOREL_GAMES_DIR})
# A stripped install (the package, `cmake --install --strip`) also drops the
# compiler's notes, which nothing reads at run time.
foreach(program IN LISTS quorel_programs)
    install(CODE "
        if(CMAKE_INSTALL_DO_STRIP)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUOREL_GAMES_DIR}/${program}\"
                COMMAND_ERROR_IS_FATAL ANY)
        endif()")
endforeach()
foreach(program IN LISTS quorel_programs)
    install(FILES ${quorel_gz_dir}/${program}.6.gz DESTINATION ${QUOREL_MAN6_DIR})
endforeach()
install(FILES data/org.quorel.Quorel.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/org.quorel.Quorel.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES data/org.quorel.Quorel.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES data/deb/copyright ${quorel_gz_dir}/changelog.gz DESTINATION ${QUOREL_DOC_DIR})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorel)
set(CPACK_PACKAGE_VENDOR "Quorel")
set(CPACK_PACKAGE_CONTACT "Proyecto Quorel <paquetes@quorel.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "juego de números: alcance el objetivo con seis números")
# CPack indents these lines and turns the empty one into the " ." that
# separates paragraphs in a Debian description.
set(quorel_description
    "Quorel es un juego de números para el escritorio, en español. Cada partida"
    "sortea un número objetivo entre 100 y 1000 y seis números, pequeños (del 1"
    "al 11) o grandes (25, 50, 75 o 100). El jugador escribe una expresión con"
    "algunos de ellos, cada uno como mucho tantas veces como haya salido, con"
    "suma, resta, multiplicación, división y paréntesis."
    ""
    "La expresión se evalúa estrictamente de izquierda a derecha: 2+3x10 vale 50."
    "Quedarse a 5 o menos del objetivo resuelve la partida, con 10 segundos de"
    "penalización por cada unidad de distancia. Los cinco mejores tiempos forman"
    "una tabla que dura mientras la ventana siga abierta.")
if(TARGET quorel-solucion)
    list(APPEND quorel_description
         ""
         "Incluye quorel-solucion, que busca desde la terminal la mejor respuesta"
         "a una partida y muestra, paso a paso, cómo lee el juego una respuesta.")
endif()
list(JOIN quorel_description "\n" CPACK_DEBIAN_PACKAGE_DESCRIPTION)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_STRIP_FILES ON)
# Not found by the library scan: the X11 and Wayland platform plugins, Qt's
# own Spanish texts and the fonts the window is laid out for.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-wayland, qt6-translations-l10n, fonts-liberation2, fonts-dejavu-core")
include(CPack)
