# `cpack -G DEB` (scripts/package) turns the install tree into a Debian
# package. The shared libraries the programs link are found by dpkg-shlibdeps;
# what they load at run time (Qt's TIFF and WebP image plugins, Mesa's
# drivers) is named here, as no tool can see it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME fulgrane3d)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Fulgrane3D")
set(CPACK_PACKAGE_CONTACT "Fulgrane3D developers <fulgrane3d@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-image-formats-plugins, libgl1-mesa-dri, libegl-mesa0")
# Japanese interface text, and Qt's own dialogs in Japanese.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-gothic, qt6-translations-l10n")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for real-time 3D particle effects")
# Below the summary line: English, then Japanese; a blank line separates them.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Fulgrane3D designs particle effects as a tree of emitter nodes and exports
their frames as PNG, BMP, JPEG, TIFF or GIF image sequences, sprite sheets or
animated GIF and WebP files for games. The package holds the editor,
fulgrane3d, and the command-line tool fulgrane3d-cli, with sample effects.

Fulgrane3D はリアルタイム3Dパーティクルエフェクトのエディタです。
エミッタノードのツリーでエフェクトを作り、ゲーム用の連番画像、
スプライトシート、アニメーションGIF・WebPとして書き出します。
エディタ fulgrane3d とコマンドラインツール fulgrane3d-cli、サンプルを含みます。")
# dpkg runs the desktop, MIME and icon caches' own triggers once per
# transaction, after install and after removal.
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_CURRENT_LIST_DIR}/deb/triggers)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
