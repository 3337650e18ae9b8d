# xvidcore, the MPEG-4 Visual codec: the viewer client decodes with it, the
# simulator, tests and benchmarks also encode with it. Debian's package has
# no pkg-config file, so the header and library are looked up directly.
if(NOT TARGET Xvid::xvidcore)
  find_package(PkgConfig QUIET)
  if(PkgConfig_FOUND)
    pkg_check_modules(XVIDCORE QUIET IMPORTED_TARGET GLOBAL xvidcore)
  endif()
  if(TARGET PkgConfig::XVIDCORE)
    add_library(Xvid::xvidcore ALIAS PkgConfig::XVIDCORE)
  else()
    find_path(XVIDCORE_INCLUDE_DIR xvid.h REQUIRED)
    find_library(XVIDCORE_LIBRARY xvidcore REQUIRED)
    add_library(Xvid::xvidcore UNKNOWN IMPORTED GLOBAL)
    set_target_properties(Xvid::xvidcore PROPERTIES IMPORTED_LOCATION ${XVIDCORE_LIBRARY}
      INTERFACE_INCLUDE_DIRECTORIES ${XVIDCORE_INCLUDE_DIR})
  endif()
endif()
