# Text files and the command runner: the Windows-side gcc bridge for real compiles.
set(GCC_BRIDGE_DIR ${CMAKE_BINARY_DIR}/tests/gcc_bridge)
add_executable(gcc_bridge tools/gcc_bridge.cpp)
set_target_properties(gcc_bridge PROPERTIES OUTPUT_NAME gcc RUNTIME_OUTPUT_DIRECTORY ${GCC_BRIDGE_DIR})
target_compile_definitions(gcc_bridge PRIVATE UNICODE _UNICODE)
target_compile_options(gcc_bridge PRIVATE ${WARNINGS} -municode)
target_link_options(gcc_bridge PRIVATE -municode ${TEST_LINK_OPTIONS})
set(BRIDGE_COMPILER ${CMAKE_C_COMPILER})
configure_file(tools/gcc_bridge.sh.in ${GCC_BRIDGE_DIR}/gcc_bridge.sh
  FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE
  @ONLY)
# The runner's tests find the bridge beside gui_tests.exe and put it first on PATH.
add_dependencies(gui_tests gcc_bridge)

# A save over a file that refuses writers even to root: made immutable from the
# Linux side for the one test that needs it.
set(IMMUTABLE_DIR ${CMAKE_BINARY_DIR}/tests/immutable)
add_test(NAME immutable_file_make COMMAND sh -c
  "mkdir -p '${IMMUTABLE_DIR}' && chattr -i '${IMMUTABLE_DIR}/kept.txt' 2>/dev/null; printf 'protected bytes' > '${IMMUTABLE_DIR}/kept.txt' && chattr +i '${IMMUTABLE_DIR}/kept.txt'")
set_tests_properties(immutable_file_make PROPERTIES FIXTURES_SETUP immutable_file)
add_test(NAME immutable_file_clear COMMAND sh -c "chattr -i '${IMMUTABLE_DIR}/kept.txt' 2>/dev/null; exit 0")
set_tests_properties(immutable_file_clear PROPERTIES FIXTURES_CLEANUP immutable_file)
add_test(NAME TextFiles.SaveOverImmutableFile
  COMMAND ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:gui_tests> --gtest_filter=TextFiles.SaveOverProtectedFileKeepsItsBytes)
set_tests_properties(TextFiles.SaveOverImmutableFile PROPERTIES
  FIXTURES_REQUIRED "wine;immutable_file" RESOURCE_LOCK display TIMEOUT 120
  ENVIRONMENT EDITWINDOW_IMMUTABLE_FILE=${IMMUTABLE_DIR}/kept.txt)
