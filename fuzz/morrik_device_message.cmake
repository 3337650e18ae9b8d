suite_add_fuzzer(NAME fuzz_morrik_device_message SOURCES ${CMAKE_CURRENT_LIST_DIR}/morrik_device_message.cpp
  LIBS morrik_messages CORPUS ${CMAKE_CURRENT_LIST_DIR}/corpus/fuzz_morrik_device_message)
