# SDL2 and Dear ImGui built for the browser by scripts/web into build/web/sdl2 and build/web/imgui,
# from the same Debian source packages as the desktop build's libraries.
set(TH_WEB_PREFIX ${PROJECT_SOURCE_DIR}/build/web CACHE PATH "Where scripts/web built SDL2 and ImGui")
foreach(lib ${TH_WEB_PREFIX}/sdl2/lib/libSDL2.a ${TH_WEB_PREFIX}/imgui/lib/libimgui.a)
  if(NOT EXISTS ${lib})
    message(FATAL_ERROR "${lib} is missing; scripts/web builds it")
  endif()
endforeach()
if(NOT TARGET th_browser_sdl2)
  add_library(th_browser_sdl2 STATIC IMPORTED GLOBAL)
  set_target_properties(th_browser_sdl2 PROPERTIES IMPORTED_LOCATION ${TH_WEB_PREFIX}/sdl2/lib/libSDL2.a
    INTERFACE_INCLUDE_DIRECTORIES ${TH_WEB_PREFIX}/sdl2/include/SDL2)
  add_library(th_browser_imgui STATIC IMPORTED GLOBAL)
  set_target_properties(th_browser_imgui PROPERTIES IMPORTED_LOCATION ${TH_WEB_PREFIX}/imgui/lib/libimgui.a
    INTERFACE_INCLUDE_DIRECTORIES "${TH_WEB_PREFIX}/imgui/include/imgui;${TH_WEB_PREFIX}/imgui/include/imgui/backends"
    INTERFACE_LINK_LIBRARIES th_browser_sdl2)
endif()
