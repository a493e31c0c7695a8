# Settings for the code that ships (and its host twin): strict warnings, and on
# Windows the oldest API level we promise, so that nothing newer creeps in.
function(morvane_product_code target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
  if(WIN32)
    target_compile_definitions(${target} PUBLIC WINVER=0x0400 _WIN32_WINNT=0x0400 _WIN32_WINDOWS=0x0400)
  endif()
endfunction()
