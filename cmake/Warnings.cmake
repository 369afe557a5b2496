# Warnings for our own targets; third-party headers come in as system headers.
function(quelda_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers
                                             $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>)
endfunction()
