# `cpack -G DEB` in a build folder makes quorril_<version>_amd64.deb from what `cmake --install` puts
# under /usr: both programs, the desktop entry, the MIME type and its icons, the AppStream file, the
# manual pages, the copyright and the changelog. scripts/package.sh builds it with the tests off.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorril)
set(CPACK_PACKAGE_VENDOR Tarnwell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quorril project <support@quorril.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${PROJECT_HOMEPAGE_URL}")
# dpkg-shlibdeps finds the libraries the programs link; the window also needs Qt's platform plugins,
# which are loaded at run time and so invisible to it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
# Qt's own translations, so that its buttons and dialogs follow the window's language; English without.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "password-protected wallet for accounts, passwords and cards")
# Lines of at most 79 characters as they appear in the package (with a leading space).
set(CPACK_PACKAGE_DESCRIPTION
    "Quorril keeps account numbers, log-ins, passwords, card and insurance
data, medical records, software keys and notes in one password-protected
wallet document (.qrl), shown as a tree by category beside a table of each
account's properties.
.
Wallets are saved either in the classic format, which only hides its
texts, or encrypted with Argon2id and XChaCha20-Poly1305 (libsodium). The
package also holds quorril-cli, which exports, imports, checks, searches
and converts wallets from scripts.")

include(CPack)
