# SPDX-FileCopyrightText: 2026 Los autores de Quorel
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The solver page, solucion.html: quorel-solucion's own report in the page's
# view (solver/page_view.h), in a module of its own, which only that page
# loads, run in a worker. Included at the end of web/CMakeLists.txt: it adds
# the page's files to each site defined there, and so to the list its service
# worker caches.

add_subdirectory(${PROJECT_SOURCE_DIR}/solver ${CMAKE_BINARY_DIR}/solver EXCLUDE_FROM_ALL)
# The command line reports bad arguments by throwing; so does a failed search.
# The search is the page's wait: it keeps the speed of -Os, not the game's
# smallest code.
target_compile_options(quorel_solver PRIVATE -fexceptions -Os)
# Debian's UTF-8 library, as web/CMakeLists.txt gives it to the logic.
target_include_directories(quorel_solver SYSTEM PRIVATE ${utf8cpp_include})

set(solucion_module ${CMAKE_CURRENT_BINARY_DIR}/solucion)
add_executable(quorel_solucion EXCLUDE_FROM_ALL solucion.cpp)
target_link_libraries(quorel_solucion PRIVATE quorel_solver)
target_compile_options(quorel_solucion PRIVATE -fexceptions)
# No main: the worker calls the entry's three functions. The memory grows
# with the answer, which a link may make a megabyte long.
target_link_options(quorel_solucion PRIVATE
    -fexceptions
    --no-entry
    -sENVIRONMENT=worker
    -sFILESYSTEM=0
    -sALLOW_MEMORY_GROWTH
    -sEXPORTED_FUNCTIONS=_malloc,_free,_SolucionField,_SolucionRun,_SolucionText
    -sEXPORTED_RUNTIME_METHODS=[]
    --pre-js ${CMAKE_CURRENT_SOURCE_DIR}/solucion_worker.js
)
set_target_properties(quorel_solucion PROPERTIES
    OUTPUT_NAME quorel-solucion
    RUNTIME_OUTPUT_DIRECTORY ${solucion_module}
    LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/solucion_worker.js)

# Copies the page and its module into the site in ${dir}, before the site is
# made from them.
function(quorel_solucion_files dir)
    set(site ${CMAKE_CURRENT_BINARY_DIR}/${dir})
    add_custom_command(
        OUTPUT ${site}/quorel-solucion.js ${site}/quorel-solucion.wasm
        COMMAND ${CMAKE_COMMAND} -E copy ${solucion_module}/quorel-solucion.js
                ${solucion_module}/quorel-solucion.wasm ${site}
        DEPENDS quorel_solucion
        VERBATIM)
    set(outputs ${site}/quorel-solucion.js ${site}/quorel-solucion.wasm)
    foreach(name solucion.js solucion.css)
        quorel_site_file(outputs ${site} ${CMAKE_CURRENT_SOURCE_DIR}/${name} ${name})
    endforeach()
    quorel_site_file(outputs ${site} ${made_dir}/solucion.html solucion.html)
    add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${dir}/sw.js APPEND DEPENDS ${outputs})
endfunction()

quorel_solucion_files(site)
if(TARGET quorel_site_fixed)
    quorel_solucion_files(site-fixed)
endif()
