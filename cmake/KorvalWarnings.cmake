# The one place that says which compiler warnings Korval builds with. The ci preset turns
# them into errors, so a warning cannot land unnoticed.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wpedantic)
  if(KORVAL_WARNINGS_AS_ERRORS)
    add_compile_options(-Werror)
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
      # GCC 12 reports -Wrestrict inside libstdc++'s own string code.
      add_compile_options(-Wno-restrict)
    endif()
  endif()
endif()
