# Warnings for our own targets; third-party headers come in as system headers.
# QUELDA_WERROR (the test builds) makes every warning an error.
function(quelda_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers
                                             -Woverloaded-virtual -Wnon-virtual-dtor
                                             $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>
                                             $<$<BOOL:${QUELDA_WERROR}>:-Werror>)
endfunction()
