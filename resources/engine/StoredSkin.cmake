# The engine's resources and the stored skin, for the win32 tree.
#
# skin_engine_resources: the bitmaps "TRACK", "TRACKVERT" and "ZOBRENTMENU" as a resource object; whatever
# links skin_data gets it on its link line.
#
# grv_stored_skin_package(OUT_VAR): packs resources/skin with the host skinpack (GRV_HOST_SKINPACK) into
# ${CMAKE_BINARY_DIR}/resources/GrivelleSky.skn and returns that path (empty without a packer); targets that read the file depend on
# the target grv_stored_skin.
#
# grv_splice_skin_stream(FORM_IN FORM_OUT [COMPONENT name]): writes FORM_IN with the packed skin spliced in
# as the skin data component's "SkinStream" (4-byte count, then the package).
if(GRV_WIN32 AND NOT TARGET skin_engine_resources)
  add_library(skin_engine_resources OBJECT ${CMAKE_CURRENT_LIST_DIR}/engine.rc)
  target_include_directories(skin_engine_resources PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  set_property(SOURCE ${CMAKE_CURRENT_LIST_DIR}/engine.rc APPEND PROPERTY OBJECT_DEPENDS
               ${CMAKE_CURRENT_LIST_DIR}/TRACK.bmp ${CMAKE_CURRENT_LIST_DIR}/TRACKVERT.bmp
               ${CMAKE_CURRENT_LIST_DIR}/ZOBRENTMENU.bmp)
endif()

function(grv_stored_skin_package out_var)
  set(skin_dir ${PROJECT_SOURCE_DIR}/resources/skin)
  set(package ${CMAKE_BINARY_DIR}/resources/GrivelleSky.skn)
  if(NOT TARGET grv_stored_skin)
    if(GRV_HOST_SKINPACK)
      set(packer ${GRV_HOST_SKINPACK})
      set(packer_dep ${GRV_HOST_SKINPACK})
    elseif(TARGET skinpack AND NOT CMAKE_CROSSCOMPILING)
      set(packer $<TARGET_FILE:skinpack>)
      set(packer_dep skinpack)
    else()
      message(WARNING "The stored skin is packed by the host skinpack: configure with -DGRV_HOST_SKINPACK=...")
      set(${out_var} "" PARENT_SCOPE)
      return()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${skin_dir}/*.bmp ${skin_dir}/*.ini
         ${skin_dir}/skinpack.order)
    add_custom_command(OUTPUT ${package}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/resources
      COMMAND ${packer} pack ${skin_dir} ${package}
      DEPENDS ${sources} ${packer_dep}
      COMMENT "Packing the stored skin"
      VERBATIM)
    add_custom_target(grv_stored_skin DEPENDS ${package})
  endif()
  set(${out_var} ${package} PARENT_SCOPE)
endfunction()

function(grv_splice_skin_stream form_in form_out)
  cmake_parse_arguments(S "" "COMPONENT" "" ${ARGN})
  if(NOT S_COMPONENT)
    set(S_COMPONENT SkinData1)
  endif()
  grv_stored_skin_package(package)
  if(NOT package)
    # Without a packer the description goes in without a skin, and the program runs unskinned.
    message(WARNING "${form_out} gets no stored skin: configure with -DGRV_HOST_SKINPACK=...")
    add_custom_command(OUTPUT ${form_out}
      COMMAND ${CMAKE_COMMAND} -E copy ${form_in} ${form_out}
      DEPENDS ${form_in}
      VERBATIM)
    return()
  endif()
  set(script ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/SpliceSkinStream.cmake)
  add_custom_command(OUTPUT ${form_out}
    COMMAND ${CMAKE_COMMAND} -DFORM_IN=${form_in} -DPACKAGE=${package} -DCOMPONENT=${S_COMPONENT}
            -DFORM_OUT=${form_out} -P ${script}
    DEPENDS ${form_in} ${package} grv_stored_skin ${script}
    COMMENT "Splicing the stored skin into ${form_out}"
    VERBATIM)
endfunction()
