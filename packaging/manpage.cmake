# Writes tintmill.1 from the program's own help, so that the manual page and
# `tintmill --help` cannot differ. Run as a script:
#   cmake -DPROGRAM=… -DOUTPUT=… -DDATE=… -DVERSION=… -P manpage.cmake
# The help's blocks become the page's sections: the usage lines 書式, the
# paragraph under them 説明, and each block headed "NAME:" a section of that
# name (オプション, 終了ステータス, 例) or, for the others, a subsection of
# the one before. 関連項目 names the installed manual by the placeholder
# @TINTMILL_MANUAL@, which the install puts the real path in.
# Under the sanitizer build, leaks of the libraries the program loads are not
# this step's business; the tests look for them with their suppressions.
set(ENV{ASAN_OPTIONS} "detect_leaks=0")
execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "${PROGRAM} --help failed: ${status}")
endif()
# roff reads a backslash as an escape, a line starting with "." or "'" as a
# request, and a plain "-" as a hyphen, which cannot be copied into a shell.
string(REPLACE "\\" "\\e" help "${help}")
string(REPLACE "-" "\\-" help "${help}")
string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" help "${help}")
string(STRIP "${help}" help)

# Line by line: a ";" would split a CMake list, so it travels as another byte.
string(ASCII 30 semicolon)
string(REPLACE ";" "${semicolon}" help "${help}")
string(REPLACE "\n" ";" lines "${help}")

set(sections [[
.SH 書式
.nf
]])
set(block usage)
foreach(line IN LISTS lines)
    if(line STREQUAL "")
        if(block STREQUAL "usage")
            string(APPEND sections ".fi\n.SH 説明\n.nf\n")
            set(block description)
        else()
            set(block between)
        endif()
        continue()
    endif()
    if(block STREQUAL "between" AND line MATCHES "^([^ ].*):$")
        set(heading "${CMAKE_MATCH_1}")
        string(APPEND sections ".fi\n")
        if(heading MATCHES "^(オプション|終了ステータス|例)$")
            string(APPEND sections ".SH ${heading}\n")
        else()
            string(APPEND sections ".SS ${heading}\n")
        endif()
        string(APPEND sections ".nf\n")
        set(block section)
        continue()
    endif()
    if(block STREQUAL "usage")
        # "使い方: tintmill …", then lines lined up under "tintmill", which
        # the page starts at the margin.
        if(line MATCHES "^使い方: (.*)$")
            set(line "${CMAKE_MATCH_1}")
        else()
            string(SUBSTRING "${line}" 8 -1 line)
        endif()
    elseif(block STREQUAL "between")
        string(APPEND sections "\n")
        set(block section)
    endif()
    string(APPEND sections "${line}\n")
endforeach()
string(APPEND sections ".fi\n")
string(REPLACE "${semicolon}" ";" sections "${sections}")

file(WRITE ${OUTPUT} ".TH TINTMILL 1 \"${DATE}\" \"Tintmill ${VERSION}\" \"ユーザーコマンド\"
.SH 名前
tintmill \\- ウェブページの色を216色のWebセーフカラーから選ぶ
${sections}.SH 関連項目
使い方の説明（日本語、HTML）: @TINTMILL_MANUAL@
（ウィンドウでは F1）
")
