# Where `cmake --install` puts the program: the executable in bin/, its read-only files in
# share/sorvo-visualizer/. The program finds them relative to its own folder, so the prefix may
# still change at install time (`cmake --install --prefix`).
include(GNUInstallDirs)
set(SORVO_APP_ID "org.sorvo.Visualizer")
set(SORVO_DATA_INSTALL_DIR "${CMAKE_INSTALL_DATADIR}/sorvo-visualizer")
file(RELATIVE_PATH SORVO_DATA_FROM_BIN "/prefix/${CMAKE_INSTALL_BINDIR}"
     "/prefix/${SORVO_DATA_INSTALL_DIR}")
