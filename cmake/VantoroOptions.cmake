# SPDX-License-Identifier: GPL-3.0-or-later
# One place for the compiler settings every target of ours shares.
add_library(vantoro_options INTERFACE)
target_compile_features(vantoro_options INTERFACE cxx_std_20)
target_compile_options(vantoro_options INTERFACE
    -Wall -Wextra -Wpedantic -Wold-style-cast -Wnon-virtual-dtor)
if(VANTORO_WERROR)
    target_compile_options(vantoro_options INTERFACE -Werror)
endif()
target_compile_definitions(vantoro_options INTERFACE
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_USE_QSTRINGBUILDER)

# Sanitizers go on core and the core tests only: the GUI stack's own leaks would drown the report.
add_library(vantoro_sanitize INTERFACE)
if(VANTORO_SANITIZE)
    target_compile_options(vantoro_sanitize INTERFACE -fsanitize=${VANTORO_SANITIZE} -fno-omit-frame-pointer
        -fno-sanitize-recover=all)
    target_link_options(vantoro_sanitize INTERFACE -fsanitize=${VANTORO_SANITIZE})
endif()
