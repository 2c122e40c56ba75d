# Sourced by the run and test scripts after the packages are in place. Root working in another
# user's checkout (sudo scripts/run.sh) hands the rest to that user: no root-owned file is left in
# the checkout, and the program finds that user's Documents folder.
if [ "$(id -u)" -eq 0 ] && [ "$(stat -c %u .)" -ne 0 ]; then
    exec runuser -u "$(stat -c %U .)" -- "$PWD/scripts/$(basename "$0")" "$@"
fi
