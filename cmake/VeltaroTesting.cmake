# Tests run headless: Qt offscreen, SDL dummy video with the software renderer, no audio.
set(VELTARO_TEST_ENV
  "QT_QPA_PLATFORM=offscreen"
  "QTWEBENGINE_DISABLE_SANDBOX=1"
  "QTWEBENGINE_CHROMIUM_FLAGS=--disable-gpu --no-sandbox"
  "SDL_VIDEODRIVER=dummy"
  "SDL_RENDER_DRIVER=software"
  "SDL_AUDIODRIVER=dummy"
  "XDG_RUNTIME_DIR=${CMAKE_BINARY_DIR}/xdg-runtime"
  "VELTARO_SOURCE_DIR=${CMAKE_SOURCE_DIR}"
  "VELTARO_RUN_DIR=${VELTARO_RUN_DIR}"
)
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/xdg-runtime)
file(CHMOD ${CMAKE_BINARY_DIR}/xdg-runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# veltaro_test(NAME <name> SOURCES <files...> LIBS <targets...> [QT] [WEBENGINE])
# Builds one test program and registers it with ctest under the headless environment.
# Without QT it links GoogleTest's main; with QT the sources bring their own QTEST_MAIN.
# WEBENGINE marks a test that runs the embedded browser: the browser's own code trips
# AddressSanitizer, so the sanitizer pass leaves those tests out (label "webengine").
function(veltaro_test)
  cmake_parse_arguments(T "QT;WEBENGINE" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  if(T_QT)
    target_link_libraries(${T_NAME} PRIVATE Qt6::Test ${T_LIBS})
  else()
    target_link_libraries(${T_NAME} PRIVATE GTest::gtest_main GTest::gmock ${T_LIBS})
  endif()
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "${VELTARO_TEST_ENV}" TIMEOUT 600)
  if(T_WEBENGINE)
    set_tests_properties(${T_NAME} PROPERTIES LABELS webengine)
  endif()
endfunction()
