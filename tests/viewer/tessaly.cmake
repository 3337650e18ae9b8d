# The viewer client Tessaly's tests live in their own folder.
add_subdirectory(${CMAKE_CURRENT_LIST_DIR}/tessaly)
