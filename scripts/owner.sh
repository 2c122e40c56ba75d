# Sourced by the run and test scripts after the packages are in place. Root working in another
# user's checkout (sudo scripts/run.sh) hands the rest to that user: no root-owned file is left in
# the checkout, and the program finds that user's Documents folder. The program also gets that
# user's runtime folder, where the session keeps its sockets, or none: never root's.
if [ "$(id -u)" -eq 0 ] && [ "$(stat -c %u .)" -ne 0 ]; then
    owner=$(stat -c %u .)
    if [ -d "/run/user/$owner" ] && [ "$(stat -c %u "/run/user/$owner")" -eq "$owner" ]; then
        export XDG_RUNTIME_DIR=/run/user/$owner
    else
        unset XDG_RUNTIME_DIR
    fi
    exec runuser -u "$(stat -c %U .)" -- "$PWD/scripts/$(basename "$0")" "$@"
fi
