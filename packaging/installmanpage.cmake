# Installs the manual page (TINTMILL_MANPAGE) into TINTMILL_MANDIR with the
# path of the manual it names: TINTMILL_DOCDIR under the prefix this install
# goes to. Run by `cmake --install` and by cpack, after the install(CODE)
# that sets those three.
foreach(dir TINTMILL_DOCDIR TINTMILL_MANDIR)
    if(NOT IS_ABSOLUTE "${${dir}}")
        set(${dir} "${CMAKE_INSTALL_PREFIX}/${${dir}}")
    endif()
endforeach()
get_filename_component(staged "${TINTMILL_MANPAGE}" DIRECTORY)
set(staged "${staged}/installed-manpage")
file(READ "${TINTMILL_MANPAGE}" page)
string(REPLACE "@TINTMILL_MANUAL@" "${TINTMILL_DOCDIR}/manual.ja.html" page "${page}")
file(WRITE "${staged}/tintmill.1" "${page}")
# Without the name and time in its header: the same page gives the same bytes.
execute_process(COMMAND gzip -9 -n -f tintmill.1 WORKING_DIRECTORY "${staged}"
                RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "gzip could not compress the manual page: ${status}")
endif()
file(INSTALL "${staged}/tintmill.1.gz" DESTINATION "${TINTMILL_MANDIR}")
