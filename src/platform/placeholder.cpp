namespace vrk::platform {}
