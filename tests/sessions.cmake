# End-to-end sessions: a new user with the shipped executables.
add_test(NAME e2e_user_session_pl
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/user_session.sh
    $<TARGET_FILE:EditWindow_pl> $<TARGET_FILE:ui_probe> ${SCREENSHOT_DIR} ${GCC_BRIDGE_DIR})
set_tests_properties(e2e_user_session_pl PROPERTIES ${E2E_PROPERTIES} TIMEOUT 300)
foreach(lang zh hi)
  add_test(NAME e2e_short_session_${lang}
    COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/short_session.sh
      $<TARGET_FILE:EditWindow_${lang}> ${lang} $<TARGET_FILE:ui_probe> ${SCREENSHOT_DIR} ${GCC_BRIDGE_DIR})
  set_tests_properties(e2e_short_session_${lang} PROPERTIES ${E2E_PROPERTIES} TIMEOUT 300)
endforeach()
