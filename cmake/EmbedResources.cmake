# Embeds the application's resource file (texts and pictures by type and number) with Qt's
# resource system.
#
# resources/text/<number>-<name>.txt become TEXT resources. They are kept with LF line ends in
# git; here every LF becomes a CR, the line end the dataset loader splits at.
# resources/pict/<number>-<name>.png become PICT resources.
#
# The conversion runs at configure time; every source file is a configure dependency, so
# editing, adding or removing one re-runs it.
function(atomnote_embed_resources target resource_dir)
  set(out_dir "${CMAKE_BINARY_DIR}/embedded")
  file(REMOVE_RECURSE "${out_dir}")
  file(MAKE_DIRECTORY "${out_dir}/TEXT")
  set(entries "")

  file(GLOB texts CONFIGURE_DEPENDS "${resource_dir}/text/*.txt")
  foreach(text IN LISTS texts)
    get_filename_component(name "${text}" NAME)
    if(NOT name MATCHES "^([0-9]+)-")
      continue()
    endif()
    set(number "${CMAKE_MATCH_1}")
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${text}")
    file(READ "${text}" content)
    string(REPLACE "\n" "\r" content "${content}")
    file(WRITE "${out_dir}/TEXT/${number}" "${content}")
    string(APPEND entries "    <file alias=\"TEXT/${number}\">TEXT/${number}</file>\n")
  endforeach()

  file(GLOB picts CONFIGURE_DEPENDS "${resource_dir}/pict/*.png")
  foreach(pict IN LISTS picts)
    get_filename_component(name "${pict}" NAME)
    if(NOT name MATCHES "^([0-9]+)-")
      continue()
    endif()
    string(APPEND entries "    <file alias=\"PICT/${CMAKE_MATCH_1}\">${pict}</file>\n")
  endforeach()

  file(WRITE "${out_dir}/resources.qrc"
    "<!DOCTYPE RCC><RCC version=\"1.0\">\n  <qresource prefix=\"/\">\n${entries}  </qresource>\n</RCC>\n")
  qt_add_resources(resource_sources "${out_dir}/resources.qrc")
  # An object library, so the resources' static initialiser reaches every program that links
  # the layer, whatever the linker keeps of the static library.
  add_library(${target}_resources OBJECT ${resource_sources})
  target_link_libraries(${target}_resources PRIVATE Qt6::Core)
  target_link_libraries(${target} PUBLIC ${target}_resources $<TARGET_OBJECTS:${target}_resources>)
endfunction()
