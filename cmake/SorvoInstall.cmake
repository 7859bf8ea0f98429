# `cmake --install` (or `make install PREFIX=...`): the viewer as a desktop program. The
# executable and a launcher in bin/, the pictures, coastlines, help text and synthetic sample
# datasets in share/sorvo-visualizer/, the menu entry, icons and AppStream metadata where the
# desktop looks for them. The viewer reads these files when its working directory has none and
# writes nothing there.
set(desktop ${PROJECT_SOURCE_DIR}/resources/desktop)

install(TARGETS sorvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(PROGRAMS ${desktop}/sorvo-visualizer DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/assets/weltkarte1.jpg ${PROJECT_SOURCE_DIR}/assets/weltkarte2.jpg
              ${PROJECT_SOURCE_DIR}/assets/weltkarte3.jpg ${PROJECT_SOURCE_DIR}/assets/worldmap.txt
              ${PROJECT_SOURCE_DIR}/assets/Information.rtf ${PROJECT_SOURCE_DIR}/assets/Information_en.rtf
        DESTINATION ${SORVO_DATA_INSTALL_DIR})

# The menu entry names the launcher by its absolute path, so it is written at install time.
if(IS_ABSOLUTE "${CMAKE_INSTALL_BINDIR}")
  set(launcher "${CMAKE_INSTALL_BINDIR}/sorvo-visualizer")
else()
  set(launcher "\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/sorvo-visualizer")
endif()
set(entry ${PROJECT_BINARY_DIR}/desktop/${SORVO_APP_ID}.desktop)
install(CODE "
  set(template \"${desktop}/${SORVO_APP_ID}.desktop.in\")
  set(output \"${entry}\")
  set(launcher \"${launcher}\")
  include(\"${PROJECT_SOURCE_DIR}/cmake/SorvoDesktopEntry.cmake\")
")
install(FILES ${entry} DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${desktop}/${SORVO_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 16 24 32 48 128)
  install(FILES ${desktop}/icons/sorvo-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME ${SORVO_APP_ID}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/sorvo.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/64x64/apps RENAME ${SORVO_APP_ID}.png)

# The sample datasets are written at install time (about 220 MB, two seconds), not kept in the
# source tree.
install(CODE "
  set(cru \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${SORVO_DATA_INSTALL_DIR}/data/cru\")
  if(NOT EXISTS \"\${cru}/hadcrut3v.dat\")
    message(STATUS \"Writing the synthetic sample datasets: \${cru}\")
    file(MAKE_DIRECTORY \"\${cru}\")
    execute_process(COMMAND \"$<TARGET_FILE:gen_sample_data>\" \"\${cru}\"
                    RESULT_VARIABLE written OUTPUT_QUIET)
    if(NOT written EQUAL 0)
      message(FATAL_ERROR \"The sample datasets could not be written to \${cru}\")
    endif()
  endif()
  if(NOT EXISTS \"\${cru}/synthetic.nc\")
    message(STATUS \"Writing the synthetic netCDF sample: \${cru}/synthetic.nc\")
    execute_process(COMMAND \"$<TARGET_FILE:gen_sample_data>\" \"\${cru}\" synthetic.nc
                    RESULT_VARIABLE written OUTPUT_QUIET)
    if(NOT written EQUAL 0)
      message(FATAL_ERROR \"The netCDF sample could not be written to \${cru}\")
    endif()
  endif()
")
