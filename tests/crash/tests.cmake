# Writers interrupted or competing: whole-file writes killed at random
# moments, and processes appending to one mailbox at once.
horonami_test(horonami_crash_tests SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/InterruptedWriteTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ConcurrentAppendTest.cpp
)
