# cmake -DQUELVANE_SOURCE=... -DBUILD_DIR=... -DGENERATOR=... [-DLAUNCHER=...] -P run.cmake
# Configures and builds the ThreadSanitizer build of the audio threads test, then runs it;
# any race report fails it.
set(configure ${CMAKE_COMMAND} -S ${QUELVANE_SOURCE}/tests/thread_sanitizer -B ${BUILD_DIR}
    -G ${GENERATOR} -DCMAKE_BUILD_TYPE=Debug -DQUELVANE_SOURCE=${QUELVANE_SOURCE})
if(LAUNCHER)
  list(APPEND configure -DCMAKE_CXX_COMPILER_LAUNCHER=${LAUNCHER})
endif()
foreach(step IN ITEMS configure build run)
  if(step STREQUAL "build")
    set(command ${CMAKE_COMMAND} --build ${BUILD_DIR} -j2)
  elseif(step STREQUAL "run")
    set(command ${CMAKE_COMMAND} -E env TSAN_OPTIONS=halt_on_error=1:exitcode=66
        ${BUILD_DIR}/audio_threads_test)
  else()
    set(command ${configure})
  endif()
  execute_process(COMMAND ${command} RESULT_VARIABLE result)
  if(NOT result EQUAL 0)
    message(FATAL_ERROR "audio threads under ThreadSanitizer: ${step} failed (${result})")
  endif()
endforeach()
