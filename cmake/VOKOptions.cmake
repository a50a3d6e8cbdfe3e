# Warnings and sanitizers shared by every target.
add_library(vok_options INTERFACE)
target_compile_options(vok_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Wconversion -Wno-sign-conversion
  $<$<BOOL:${VOK_WERROR}>:-Werror>)
if(VOK_SANITIZE)
  target_compile_options(vok_options INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(vok_options INTERFACE -fsanitize=address,undefined)
endif()

# Declares a GoogleTest program and registers its tests with CTest.
function(vok_add_test name)
  add_executable(${name} ${ARGN})
  target_link_libraries(${name} PRIVATE vok_options vok_test_support vokdatepicker vokfrontend vokhost
                        GTest::gtest GTest::gmock GTest::gtest_main)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 NO_PRETTY_VALUES)
endfunction()
