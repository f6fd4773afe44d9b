# Included by `cmake --install` once the desktop entry and the colour files'
# types are in place, with `tintmill_data_dir` set to the installed data
# folder. A package system's triggers rebuild the desktop's databases from
# them; an install by hand has none, and without them a file manager would
# open the colour files as plain text. A staged install (DESTDIR, as cpack
# and distribution builds make) is left to the package's triggers.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()
foreach(step "update-mime-database;mime" "update-desktop-database;applications")
    list(GET step 0 tool)
    list(GET step 1 folder)
    set(database "${tintmill_data_dir}/${folder}")
    find_program(tintmill_${tool} ${tool})
    if(NOT tintmill_${tool})
        message(WARNING "${tool} was not found: run `${tool} ${database}` to let file managers "
                        "open the colour files with Tintmill")
        continue()
    endif()
    message(STATUS "Updating: ${database}")
    execute_process(COMMAND ${tintmill_${tool}} ${database} RESULT_VARIABLE result
                    OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(WARNING "${tool} ${database} failed (${result}): ${errors}")
    endif()
endforeach()
