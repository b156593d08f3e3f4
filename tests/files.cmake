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
