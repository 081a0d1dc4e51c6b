# Warnings for the project's own targets (third-party code is built without).
function(vastemor_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra
    $<$<COMPILE_LANGUAGE:CXX>:-Wno-missing-field-initializers>)
endfunction()
