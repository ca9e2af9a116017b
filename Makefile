# The two commands of the README: `make run` and `make test`.
.PHONY: run test build deps bench clean

run: build
	mkdir -p play && cd play && ../build/varodex

test: build
	ctest --preset default

build: deps
	@[ -f build/build.ninja ] || cmake --preset default
	cmake --build --preset default

deps:
	scripts/install-deps

bench: build
	scripts/run-bench

clean:
	rm -rf build
