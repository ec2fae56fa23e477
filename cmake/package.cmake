# The Debian package: `cpack -G DEB` in the build folder (scripts/package.sh builds it in Release).
set(CPACK_PACKAGE_NAME vrk)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "VRK developers")
set(CPACK_PACKAGE_CONTACT "VRK developers <vrk@vrk.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "time and billing for a small law office")
set(CPACK_PACKAGE_DESCRIPTION
  "VRK keeps a small law office's attorneys and their hourly rates under fee
schedules, its clients in client groups and their matters, and each month's
time, cost, credit and payment records. At month end it prints draft and final
statements with invoice numbers, carries the balances, late charges, trust
accounts and 30, 60 and 90-day ages into the next month, and prints reports,
print-outs and mailing labels. It backs the data up and restores it. The
command-line companion vrk-batch runs the same actions and documents.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://vrk.invalid/")
# The printed documents use the Liberation fonts for Courier and Arial.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation")
set(CPACK_GENERATOR DEB)
include(CPack)
