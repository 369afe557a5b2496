# Warnings for our own targets; third-party headers come in as system headers.
function(quelda_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow=local
                                             -Wno-missing-field-initializers)
endfunction()
