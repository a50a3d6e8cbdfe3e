# Sourced by the package checks: a scratch folder removed on exit, holding
# a copy of the tracked sources (src/) and of the outside example
# (example/), with the host settings that would change what the installed
# libraries show unset, so that they find their catalogs on their own and
# speak English.
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
unset VOK_CATALOG_PATH LC_ALL LC_TIME VOK_THAI VOK_THAI_GREGORIAN VOK_DATE_LAYOUT
mkdir -p "$scratch/src"
git ls-files -z | xargs -0 cp --parents -t "$scratch/src"
cp -r examples/pick_a_date "$scratch/example"
