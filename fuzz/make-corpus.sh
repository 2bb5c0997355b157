#!/usr/bin/env bash
# Writes the seed corpus of the loader fuzzer into fuzz/corpus/: small valid wallets made with
# quorril-cli from the JSON below, one of them encrypted, plus two forms the program reads but never
# writes; and the seeds of the merge fuzzer into fuzz/corpus-merge/: pairs of those wallets and of
# changed copies of them (the first wallet's length in two bytes, little-endian, then both).
# corpus-merge/nan-date is kept from a run of the merge fuzzer (dates that are NaN); it is not made here.
# Usage: fuzz/make-corpus.sh BUILD_DIR   (a build that has src/cli/quorril-cli)
# Give it the fuzz build (build/fuzz): its quorril-cli writes the encrypted seed at the cheapest key
# derivation, the one the harness always uses. Another build's seed takes the default cost, and the
# harness then gets no further than its key check.
set -euo pipefail
build=${1:?usage: fuzz/make-corpus.sh BUILD_DIR}
here=$(cd "$(dirname "$0")" && pwd)
cli="$build/src/cli/quorril-cli"
out="$here/corpus"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$out" "$here/corpus-merge"

wallet() { # name json
  printf '%s' "$2" >"$work/$1.json"
  echo pw | "$cli" import "$work/$1.json" "$out/$1.qrl"
}

wallet empty '{"nextAccountId": 1, "accounts": []}'
wallet all-types '{"nextAccountId": 30, "accounts": [
 {"id": 20, "type": 10, "title": "Mail", "fields": {"logInUrl": "http://m.example"},
  "users": [{"loginId": "me", "password": "Pw1", "email": "me@m.example", "administrator": 1},
            {"loginId": "you", "password": "", "email": "YOU@m.example", "administrator": 0}]},
 {"id": 3, "type": 11, "title": "Site", "fields": {"siteName": "S", "webSiteUrl": "https://s.example", "userId": "u", "notes": "a\r\nb"}},
 {"id": 2, "type": 12, "title": "Card", "fields": {"provider": "P", "pin": "0000", "apr": 19.99, "expiration": {"status": 0, "value": 40000.5}}},
 {"id": 1, "type": 13, "title": "Bank", "fields": {"institution": "B", "accountType": "Savings", "routingNumber": "123"}},
 {"id": 5, "type": 14, "title": "Car", "fields": {"insuranceType": "Car", "expiration": {"status": 2, "value": 0}}},
 {"id": 6, "type": 15, "title": "Ann B Lee", "fields": {"firstName": "Ann", "birthDate": {"status": 1, "value": -1.25}}},
 {"id": 7, "type": 16, "title": "Call", "fields": {"remainingMinutes": 120, "pin": "9"}},
 {"id": 8, "type": 17, "title": "TV", "fields": {"datePurchased": {"status": 0, "value": 44000}, "serialNumber": "X1"}},
 {"id": 9, "type": 18, "title": "Editor", "fields": {"cdKey": "ABCD-EFGH", "version": "2.1"}},
 {"id": 2147483647, "type": 20, "title": "Note", "fields": {"about": "\u00c9t\u00e9 \u00d1", "date": {"status": 0, "value": 1}}}]}'
wallet long-text "{\"nextAccountId\": 2, \"accounts\": [{\"id\": 1, \"type\": 20, \"title\": \"Long\",
 \"fields\": {\"description\": \"$(printf 'x%.0s' $(seq 300))\"}}]}"
wallet no-reference '{"nextAccountId": 4, "accounts": [
 {"id": 1, "type": 10, "title": "a"}, {"id": 2, "type": 13, "title": "b"}, {"id": 3, "type": 18, "title": "c", "committed": 0}]}'

# The all-types wallet encrypted.
echo pw | "$cli" import --encrypt "$work/all-types.json" "$out/encrypted.qrl"

# Version 1: the same without the (empty) Reference group.
size=$(stat -c %s "$out/no-reference.qrl")
{ printf '\x01'; tail -c +2 "$out/no-reference.qrl" | head -c $((size - 5)); } >"$out/version-1.qrl"
# The password as an 8-bit text (the stored form of "ab"), and no accounts.
{ printf '\x02\0\0\0\x01\0\0\0\x06#UG@ZH'; head -c 40 /dev/zero; } >"$out/eight-bit-text.qrl"

# The all-types wallet changed: a title and a field changed, one account deleted, one added, and one
# added under an id the original uses.
jq '.accounts[0].title = "Mail box" | .accounts[1].fields.notes = "changed" | del(.accounts[3])
    | .accounts += [{"id": 40, "type": 20, "title": "New"}, {"id": 2, "type": 12, "title": "Card"}]' \
  "$work/all-types.json" >"$work/changed.json"
echo pw | "$cli" import "$work/changed.json" "$work/changed.qrl"
pair() { # name first second
  local size
  size=$(stat -c %s "$2")
  { printf "\\x$(printf %02x $((size % 256)))\\x$(printf %02x $((size / 256)))"; cat "$2" "$3"; } \
    >"$here/corpus-merge/$1"
}
pair same "$out/all-types.qrl" "$out/all-types.qrl"
pair changed "$out/all-types.qrl" "$work/changed.qrl"
pair changed-back "$work/changed.qrl" "$out/all-types.qrl"
pair into-empty "$out/empty.qrl" "$out/all-types.qrl"
pair versions "$out/version-1.qrl" "$out/no-reference.qrl"
pair long "$out/long-text.qrl" "$work/changed.qrl"
ls -l "$out" "$here/corpus-merge"
