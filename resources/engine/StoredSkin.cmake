# The engine's resources and the stored skin, for the win32 tree.
#
# skin_engine_resources: the bitmaps "TRACK", "TRACKVERT" and "ZOBRENTMENU" as a resource object; whatever
# links skin_data gets it on its link line.
#
# grv_stored_skin_package(OUT_VAR): packs resources/skin with the host skinpack (GRV_HOST_SKINPACK) into
# ${CMAKE_BINARY_DIR}/resources/GrivelleSky.skn and returns that path (empty without a packer); targets that read the file depend on
# the target grv_stored_skin. grv_second_skin_package does the same for the second skin (below).
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

# grv_pack_skin(TARGET name FOLDER dir OUTPUT file [OUT_VAR var]): packs a skin folder (its bitmaps, skin.ini
# and skinpack.order) with the host skinpack into file at build time, behind the custom target name; var gets
# the file, or stays empty without a packer.
function(grv_pack_skin)
  cmake_parse_arguments(P "" "TARGET;FOLDER;OUTPUT;OUT_VAR" "" ${ARGN})
  if(NOT TARGET ${P_TARGET})
    if(GRV_HOST_SKINPACK)
      set(packer ${GRV_HOST_SKINPACK})
      set(packer_dep ${GRV_HOST_SKINPACK})
    elseif(TARGET skinpack AND NOT CMAKE_CROSSCOMPILING)
      set(packer $<TARGET_FILE:skinpack>)
      set(packer_dep skinpack)
    else()
      message(WARNING "Skins are packed by the host skinpack: configure with -DGRV_HOST_SKINPACK=...")
      if(P_OUT_VAR)
        set(${P_OUT_VAR} "" PARENT_SCOPE)
      endif()
      return()
    endif()
    file(GLOB sources CONFIGURE_DEPENDS ${P_FOLDER}/*.bmp ${P_FOLDER}/*.ini ${P_FOLDER}/skinpack.order)
    get_filename_component(out_dir ${P_OUTPUT} DIRECTORY)
    add_custom_command(OUTPUT ${P_OUTPUT}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
      COMMAND ${packer} pack ${P_FOLDER} ${P_OUTPUT}
      DEPENDS ${sources} ${packer_dep}
      COMMENT "Packing the skin ${P_FOLDER}"
      VERBATIM)
    add_custom_target(${P_TARGET} DEPENDS ${P_OUTPUT})
  endif()
  if(P_OUT_VAR)
    set(${P_OUT_VAR} ${P_OUTPUT} PARENT_SCOPE)
  endif()
endfunction()

function(grv_stored_skin_package out_var)
  grv_pack_skin(TARGET grv_stored_skin FOLDER ${PROJECT_SOURCE_DIR}/resources/skin
                OUTPUT ${CMAKE_BINARY_DIR}/resources/GrivelleSky.skn OUT_VAR package)
  set(${out_var} ${package} PARENT_SCOPE)
endfunction()

# grv_second_skin_package(OUT_VAR): the second skin, "Grivelle Ember" (resources/skin-dark), as a skin file
# beside the program: ${CMAKE_BINARY_DIR}/resources/skins/GrivelleEmber.skn (target grv_second_skin).
function(grv_second_skin_package out_var)
  grv_pack_skin(TARGET grv_second_skin FOLDER ${PROJECT_SOURCE_DIR}/resources/skin-dark
                OUTPUT ${CMAKE_BINARY_DIR}/resources/skins/GrivelleEmber.skn OUT_VAR package)
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
