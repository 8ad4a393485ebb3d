# Precompiled Qt headers. Parsing Qt's headers is most of the time a translation unit takes, so
# every target precompiles them once per build instead of once per file: one header set for the
# targets that see only QtCore (and QtTest), one for those that see the widgets. Each set is
# built once, in a small target of its own, and the others reuse it (PRECOMPILE_HEADERS_REUSE_FROM).
# QtTest stays out of the sets: its macros carry each test folder's own paths, with which a shared
# precompiled header would not be valid. Targets that see another mix of Qt modules (QtGui without
# the widgets) compile as before. -DORBIVANE_PCH=OFF turns it off.
option(ORBIVANE_PCH "Precompile the Qt headers" ON)

# ccache caches compiles that use a precompiled header only with this sloppiness.
if(ORBIVANE_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env CCACHE_SLOPPINESS=pch_defines,time_macros
      ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()

set(_orbivane_pch_core
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QElapsedTimer> <QFile> <QFileInfo> <QHash>
  <QList> <QObject> <QRegularExpression> <QSaveFile> <QString> <QStringList> <QTemporaryDir>
  <QThread> <QTimer> <algorithm> <functional> <memory> <vector>)
set(_orbivane_pch_widgets ${_orbivane_pch_core}
  <QAction> <QApplication> <QComboBox> <QDialog> <QDialogButtonBox> <QGroupBox> <QHeaderView>
  <QKeyEvent> <QLabel> <QLineEdit> <QListWidget> <QMenu> <QPainter> <QPushButton> <QVBoxLayout>
  <QWidget>)

function(_orbivane_targets_in dir out)
  get_property(found DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(sub IN LISTS subdirs)
    _orbivane_targets_in(${sub} more)
    list(APPEND found ${more})
  endforeach()
  set(${out} ${found} PARENT_SCOPE)
endfunction()

# The Qt modules whose headers a target compiles against: what it links, and what our libraries
# pass on to it (not what they link privately). None for a target that sees no Qt header.
function(_orbivane_qt_modules target out)
  get_target_property(todo ${target} LINK_LIBRARIES)
  set(seen)
  set(modules)
  while(todo)
    list(POP_FRONT todo lib)
    if(NOT lib OR lib IN_LIST seen OR lib MATCHES "^\\$<")
      continue()
    endif()
    list(APPEND seen ${lib})
    if(lib MATCHES "^Qt6?::(.+)$")
      list(APPEND modules ${CMAKE_MATCH_1})
    elseif(TARGET ${lib})
      get_target_property(imported ${lib} IMPORTED)
      if(NOT imported)
        get_target_property(more ${lib} INTERFACE_LINK_LIBRARIES)
        if(more)
          list(APPEND todo ${more})
        endif()
      endif()
    endif()
  endwhile()
  if("Widgets" IN_LIST modules)
    list(APPEND modules Gui)
  endif()
  if(modules)
    list(APPEND modules Core)
  endif()
  list(REMOVE_DUPLICATES modules)
  list(REMOVE_ITEM modules Test)
  list(SORT modules)
  set(${out} "${modules}" PARENT_SCOPE)
endfunction()

function(orbivane_precompile_qt_headers)
  if(NOT ORBIVANE_PCH)
    return()
  endif()
  file(CONFIGURE OUTPUT ${PROJECT_BINARY_DIR}/pch/empty.cpp CONTENT "// Holds the precompiled Qt headers.\n")
  add_library(orbivane_pch_core OBJECT ${PROJECT_BINARY_DIR}/pch/empty.cpp)
  target_link_libraries(orbivane_pch_core PRIVATE Qt6::Core)
  target_precompile_headers(orbivane_pch_core PRIVATE ${_orbivane_pch_core})
  add_library(orbivane_pch_widgets OBJECT ${PROJECT_BINARY_DIR}/pch/empty.cpp)
  target_link_libraries(orbivane_pch_widgets PRIVATE Qt6::Widgets)
  target_precompile_headers(orbivane_pch_widgets PRIVATE ${_orbivane_pch_widgets})
  set_target_properties(orbivane_pch_core orbivane_pch_widgets PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
  # The tests and benchmarks may be compiled with options of their own (ORBIVANE_TEST_OPTIONS);
  # a header precompiled with other optimisation is not valid for them.
  set(test_suffix)
  if(ORBIVANE_TEST_OPTIONS)
    set(test_suffix _tests)
    foreach(module Core Widgets)
      string(TOLOWER ${module} lower)
      add_library(orbivane_pch_${lower}_tests OBJECT ${PROJECT_BINARY_DIR}/pch/empty.cpp)
      target_link_libraries(orbivane_pch_${lower}_tests PRIVATE Qt6::${module})
      target_precompile_headers(orbivane_pch_${lower}_tests PRIVATE ${_orbivane_pch_${lower}})
      target_compile_options(orbivane_pch_${lower}_tests PRIVATE ${ORBIVANE_TEST_OPTIONS})
      set_target_properties(orbivane_pch_${lower}_tests PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    endforeach()
  endif()

  _orbivane_targets_in(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|OBJECT_LIBRARY)$"
       OR target MATCHES "^orbivane_pch_")
      continue()
    endif()
    _orbivane_qt_modules(${target} modules)
    get_target_property(dir ${target} SOURCE_DIR)
    set(suffix)
    if(dir MATCHES "^${PROJECT_SOURCE_DIR}/(tests|bench)(/|$)")
      set(suffix ${test_suffix})
    endif()
    if(modules STREQUAL "Core")
      set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM orbivane_pch_core${suffix})
    elseif(modules STREQUAL "Core;Gui;Widgets")
      set_target_properties(${target} PROPERTIES PRECOMPILE_HEADERS_REUSE_FROM orbivane_pch_widgets${suffix})
    endif()
  endforeach()
endfunction()
