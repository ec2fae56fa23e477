namespace vrk::ui {}
