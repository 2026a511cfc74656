# Precompiled Qt headers (REPBOOK_PCH): every target of a layer reuses the headers one small
# target of that layer precompiles, so a clean build parses the common Qt headers twice (QtCore
# alone, and with QtGui and QtWidgets) instead of once per source file. Off by default: ccache
# skips sources compiled against a precompiled header unless told to be sloppy about it, and an
# incremental build gains little. CI turns it on for its clean builds.
#
# A precompiled header is only usable with the compile flags and Qt module defines it was made
# with, so each layer's own target links what that layer links: the library targets of model/,
# settings/, exchange/, stats/, translations/ and cli/ see QtCore headers only. CMake compiles the
# users with -Winvalid-pch, so under REPBOOK_WERROR a target whose flags drift from its layer's
# fails loudly instead of silently parsing the headers again.

# The QtCore headers most sources of every layer include.
set(REPBOOK_PCH_CORE_HEADERS
    <algorithm> <functional> <memory> <optional> <utility>
    <QByteArray> <QCoreApplication> <QDate> <QDateTime> <QDir> <QFile> <QFileInfo> <QHash>
    <QList> <QLocale> <QObject> <QRegularExpression> <QSaveFile> <QSet> <QString>
    <QStringList>)

# The QtGui and QtWidgets headers of the window layers, on top of the QtCore ones.
set(REPBOOK_PCH_WIDGETS_HEADERS
    ${REPBOOK_PCH_CORE_HEADERS}
    <QAction> <QColor> <QFont> <QFontMetrics> <QKeyEvent> <QPainter> <QPixmap>
    <QApplication> <QCheckBox> <QComboBox> <QDialog> <QDialogButtonBox> <QGridLayout>
    <QHBoxLayout> <QHeaderView> <QLabel> <QLineEdit> <QMenu> <QPlainTextEdit> <QPushButton>
    <QStyle> <QTableWidget> <QVBoxLayout> <QWidget>)

# repbook_add_pch_layer(<layer> HEADERS <headers...> LIBS <targets...>)
# Makes the target repbook_pch_<layer> that precompiles <headers> with the usage requirements of
# <LIBS>; repbook_use_pch(<target> <layer>) then reuses its header.
function(repbook_add_pch_layer layer)
    if(NOT REPBOOK_PCH)
        return()
    endif()
    cmake_parse_arguments(ARG "" "" "HEADERS;LIBS" ${ARGN})
    set(source ${CMAKE_BINARY_DIR}/pch/${layer}.cpp)
    file(CONFIGURE OUTPUT ${source} CONTENT "// Precompiled headers of the ${layer} layer.\n")
    add_library(repbook_pch_${layer} OBJECT ${source})
    set_target_properties(repbook_pch_${layer} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
    target_link_libraries(repbook_pch_${layer} PRIVATE ${ARG_LIBS})
    target_precompile_headers(repbook_pch_${layer} PRIVATE ${ARG_HEADERS})
endfunction()

# repbook_use_pch(<target> <layer>): <target> includes the precompiled headers of <layer>.
function(repbook_use_pch target layer)
    if(REPBOOK_PCH)
        target_precompile_headers(${target} REUSE_FROM repbook_pch_${layer})
    endif()
endfunction()
