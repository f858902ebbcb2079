# cmake -DSOURCE_DIR=<repo> [-DWIDGET_HEADER_DIRS=a|b] [-DALLOWED_HEADER_DIRS=c|d] -P CheckLayerIncludes.cmake
# Fails when a file of a layer below the screens includes a widget or print-support header, or a header of
# the screens ("ui/..."). The forbidden names are the files of WIDGET_HEADER_DIRS (the QtWidgets and
# QtPrintSupport include folders) less those that QtCore or QtGui also has (ALLOWED_HEADER_DIRS, e.g. the
# qaction.h that QtWidgets keeps for old code); without them, a fixed list of the usual ones.
set(layers engine model docs report diagram session)

set(forbidden "")
if(WIDGET_HEADER_DIRS)
  string(REPLACE "|" ";" dirs "${WIDGET_HEADER_DIRS}")
  foreach(dir ${dirs})
    file(GLOB names RELATIVE ${dir} ${dir}/*)
    list(APPEND forbidden ${names})
  endforeach()
  string(REPLACE "|" ";" dirs "${ALLOWED_HEADER_DIRS}")
  foreach(dir ${dirs})
    file(GLOB names RELATIVE ${dir} ${dir}/*)
    if(names)
      list(REMOVE_ITEM forbidden ${names})
    endif()
  endforeach()
endif()
if(NOT forbidden)
  set(forbidden
      QtWidgets QtPrintSupport QWidget QApplication QDialog QMainWindow QMdiArea QMdiSubWindow QMessageBox
      QFileDialog QLineEdit QLabel QPushButton QAbstractButton QRadioButton QCheckBox QComboBox QListWidget
      QTextEdit QMenu QMenuBar QToolBar QStatusBar QScrollArea QFrame QLayout QBoxLayout QGridLayout
      QPrinter QPrintDialog QPrinterInfo QPrintPreviewDialog QPageSetupDialog qwidget.h qapplication.h
      qdialog.h qmainwindow.h qmessagebox.h qfiledialog.h qlineedit.h qprinter.h qprintdialog.h)
endif()

set(faults "")
# The command-line companion is held to the same rule.
file(GLOB cli_files ${SOURCE_DIR}/src/app/cli*.h ${SOURCE_DIR}/src/app/cli*.cpp)
foreach(layer ${layers} app-cli)
  if(layer STREQUAL "app-cli")
    set(files ${cli_files})
  else()
    file(GLOB_RECURSE files ${SOURCE_DIR}/src/${layer}/*.h ${SOURCE_DIR}/src/${layer}/*.cpp)
  endif()
  foreach(f ${files})
    file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]")
    foreach(line ${includes})
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"].*$" "\\1" header "${line}")
      get_filename_component(name "${header}" NAME)
      list(FIND forbidden "${name}" at)
      if(header MATCHES "^ui/" OR NOT at EQUAL -1)
        file(RELATIVE_PATH shown ${SOURCE_DIR} ${f})
        list(APPEND faults "${shown}: ${line}")
      endif()
    endforeach()
  endforeach()
endforeach()

list(LENGTH forbidden count)
if(faults)
  string(REPLACE ";" "\n  " faults "${faults}")
  message(FATAL_ERROR "A layer below the screens includes a widget or screen header:\n  ${faults}")
endif()
message(STATUS "${count} widget and print-support header names; none included below the screens")
