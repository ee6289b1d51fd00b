# Fails when a source file includes from a folder above its own, or when a
# file outside the front ends includes Qt. Run as
#   cmake -DSOURCE_DIR=<src folder> -P CheckLayers.cmake
#
cmake_minimum_required(VERSION 3.25)

# The layers, lowest first: each folder may include from itself and from the
# folders listed for it.
set(allowed_model      model)
set(allowed_section    model section)
set(allowed_export3d   model export3d)
set(allowed_files      model files)
set(allowed_stability  model stability)
set(allowed_checks     model checks)
set(allowed_printing   printing)
set(allowed_ui         model section export3d files stability checks ui)
set(allowed_ui/qt      model section export3d files stability checks printing ui ui/qt)
# The command line shares the Qt painters of the section sheet with the window.
set(allowed_cli        model section export3d files stability checks ui ui/qt cli)
# Only the front ends may use Qt.
set(front_ends ui/qt cli)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
set(problems "")
foreach(source IN LISTS sources)
    get_filename_component(folder ${source} DIRECTORY)
    if(NOT DEFINED allowed_${folder})
        string(APPEND problems "  ${source}: the folder ${folder} has no place among the layers\n")
        continue()
    endif()
    file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
        if(line MATCHES "#[ \t]*include[ \t]*\"([^\"]+)\"")
            set(included ${CMAKE_MATCH_1})
            get_filename_component(from ${included} DIRECTORY)
            if(from STREQUAL "")
                string(APPEND problems "  ${source}: \"${included}\" does not name its folder\n")
            elseif(NOT from IN_LIST allowed_${folder})
                string(APPEND problems "  ${source}: ${folder} may not include ${included}\n")
            endif()
        elseif(line MATCHES "#[ \t]*include[ \t]*<(Q[A-Za-z0-9_/]*(\\.h)?)>")
            if(NOT folder IN_LIST front_ends)
                string(APPEND problems "  ${source}: only the front ends include Qt (<${CMAKE_MATCH_1}>)\n")
            endif()
        endif()
    endforeach()
endforeach()

if(problems)
    message(FATAL_ERROR "Includes against the layers:\n${problems}")
endif()
list(LENGTH sources count)
message(STATUS "${count} source files keep to their layers")
