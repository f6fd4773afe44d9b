# Compiler settings shared by every target of our own.
function(tintmill_configure_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                             -Wno-sign-conversion)
    if(TINTMILL_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
    if(TINTMILL_SANITIZE)
        target_compile_options(${target} PRIVATE -fsanitize=address,undefined
                                                 -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_link_options(${target} PRIVATE -fsanitize=address,undefined)
    endif()
endfunction()

# A library of ours: sources listed, headers found from the project root.
function(tintmill_add_library target)
    add_library(${target} STATIC ${ARGN})
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
    tintmill_configure_target(${target})
endfunction()
