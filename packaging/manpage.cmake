# Writes tintmill.1 from the program's own help, so that the manual page and
# `tintmill --help` cannot differ. Run as a script:
#   cmake -DPROGRAM=… -DOUTPUT=… -DDATE=… -DVERSION=… -P manpage.cmake
# Under the sanitizer build, leaks of the libraries the program loads are not
# this step's business; the tests look for them with their suppressions.
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
# roff reads a backslash as an escape and a line starting with "." or "'" as
# a request; the help holds neither today, but must stay text if it ever does.
string(REPLACE "\\" "\\e" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(STRIP "${help}" help)
file(WRITE ${OUTPUT} ".TH TINTMILL 1 \"${DATE}\" \"Tintmill ${VERSION}\" \"User Commands\"
.SH NAME
tintmill \\- pick the colours of a web page from the 216 web-safe colours
.SH DESCRIPTION
.nf
${help}
.fi
.SH SEE ALSO
The manual in Japanese: /usr/share/doc/tintmill/manual.ja.html (F1 in the window).
")
