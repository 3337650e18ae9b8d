suite_add_test(NAME test_ferrock_live LABEL ferrock QT
  SOURCES ../platform/CoreTestMain.cpp ../link/PrivateNetwork.cpp FerrockOwner.cpp FerrockLiveTest.cpp
  LIBS ferrock ferrock_codec platform_core sim)
suite_add_test(NAME test_ferrock_frames LABEL ferrock
  SOURCES FerrockFramesTest.cpp
  LIBS ferrock_codec sim)
suite_add_test(NAME test_ferrock_ptz LABEL ferrock QT
  SOURCES ../platform/CoreTestMain.cpp ../link/PrivateNetwork.cpp FerrockOwner.cpp FerrockPtzTest.cpp
  LIBS ferrock ferrock_codec platform_core sim)
suite_add_test(NAME test_ferrock_playback LABEL ferrock QT
  SOURCES ../platform/CoreTestMain.cpp ../link/PrivateNetwork.cpp FerrockOwner.cpp FerrockPlaybackTest.cpp
  LIBS ferrock ferrock_codec platform_core sim)
suite_add_test(NAME test_ferrock_oneshot LABEL ferrock QT
  SOURCES ../platform/CoreTestMain.cpp ../link/PrivateNetwork.cpp FerrockOneShotTest.cpp
  LIBS ferrock platform_core sim)
suite_add_test(NAME test_ferrock_with_plinto LABEL ferrock QT
  SOURCES ../platform/CoreTestMain.cpp ../link/PrivateNetwork.cpp FerrockOwner.cpp FerrockWithPlintoTest.cpp
  LIBS ferrock plinto platform_core sim)
