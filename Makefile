# Shorthands for ./build.sh; a fresh machine may not have make, the script needs only sh.
.PHONY: run test sanitize fuzz bench
run test sanitize fuzz bench:
	./build.sh $@
